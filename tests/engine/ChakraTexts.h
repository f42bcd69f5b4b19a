#pragma once

// The seven chakras' texts as the reading must show them, written out here
// letter for letter, apart from the program's own table. One row per chakra,
// from the crown down to the root; the columns follow ChakraEntry.
inline const char* const ExpectedChakraTexts[7][11] = {
    {"Crown Chakra", "Sahasrara",
     "This chakra is all about perception and intelligence and your spiritual nature.",
     "Beautiful one Thousand Rainbow Colored Petals.", "Sahasrara (thousand-fold)",
     "Kundalini Shakti rises up the spinal column to unite with Shiva here. One understands "
     "Non-Duality, Lives in an Extended State of Consciousness and Attains illumination",
     "Violet", "Open state makes you neutral and quite conscious about the real world around you.",
     "Over-active state makes you overconfident and proud of your intelligence. You believe "
     "spirituality is the only need in life, ignoring their other basic needs of life.",
     "Under-active state builds stubborn thinking in you and makes you unaware of spirituality.",
     "0 Crown Chakra.jpg"},
    {"Third Eye Chakra", "Ajna",
     "This state governs the nature of approach and vision of a person.",
     "Circle, 2 Luminous Petals in which all the Elements are pooled.", "Ajna (perceive, to know)",
     "Transcending Senses, Experiencing God-In-Self or Atman", "Indigo",
     "When it is open you will have a good perception of things and a sound judgment.",
     "In over-active state you may tend to wander in the world fantasies and may be moody.",
     "You get confused and are dependent on others in the under-active state. You may be "
     "indecisive.",
     "1 Third Eye Chakra.jpg"},
    {"Throat Chakra", "Vishuddha",
     "This chakra is all about expressing oneself and the kind of verbal behavior. This describes "
     "the growth of a person in terms of expression and communication.",
     "White Circle (Lunar Circle - Pure Cosmic Sound) enclosed by 16 Purple-Gray Petals.",
     "Visuddha (purification)", "Ego", "Blue",
     "In open you are bold enough to express your feelings. You have a clear mind and a "
     "compassionate heart.",
     "In an over-active state you tend to speak too much being bad listeners, critical and "
     "sarcastic in nature.",
     "When this chakra is under-active you may be an introvert and shy and sometimes hide the "
     "truth.",
     "2 Throat Chakra.jpg"},
    {"Heart Chakra", "Anahata",
     "World treats heart as the symbol of love and it is in fact, because the heart guides humble "
     "people. This chakra is all about love, affection and kindness.",
     "Green-Gray Star (Smoky-Green as Smoke Pervades the Air), covered by 12 Red Petals.",
     "Anahata (unstruck; the fresh, clean sound made without striking two things)", "Impatience",
     "Green",
     "In an open state of this chakra you are very friendly, loving, sympathetic and maintain "
     "compassionate relations with others.",
     "In an over-active state you are highly emotional, act by showing love for your own benefit, "
     "behave in a selfish manner and may be very moody.",
     "In an under-active state you are reserved and very calm and suppress your feelings.",
     "3 Heart Chakra.jpg"},
    {"Navel Chakra", "Manipura",
     "The name itself suggests the location of this chakra, which is at the level of the navel. It "
     "controls the basic character of the person, which includes your energy and power.",
     "Fiery Red Triangle, surrounded by 10 Blue Petals.", "Manipura (lustrous gem)", "Irritation",
     "Yellow",
     "Open state of this chakra shows a balanced person with good self-esteem and confidence. You "
     "will be in control but not domineering.",
     "Over-active state of this chakra makes you want to become powerful and you may be a "
     "dominating and aggressive person.",
     "The under-active makes you inactive and hesitant. Some fear always acts in the mind.",
     "4 Navel Chakra.jpg"},
    {"Sacral Chakra", "Swadhisthanna",
     "This chakra is located just above the root chakra, which controls or stimulates the sexual "
     "desires, emotions and creativity.",
     "Blue Crescent Moon, covered by 6 Red Petals and earth filled with encircling water.",
     "Svadhisthana (sweetness)", "Purity and Attachments", "Orange",
     "In open state this very center, maintains the level of feelings in a free flow manner, not "
     "making person very emotional. The individual behaves more lively with cool passion.",
     "In case of over-active state you get emotionally attached to your near and dears and possess "
     "wild sexual desires.",
     "In under-active state of this chakra makes you a pessimist, shy and inferior. You have a low "
     "sex drive and do not enjoy life. You may become very reserved and moody.",
     "5 Sacral Chakra.jpg"},
    {"Root Chakra", "Muladhara",
     "This chakra is the root center at the bottom part of spine, which makes a person feel his "
     "physical strength and his survival instincts.",
     "Yellow Yantra Square, covered by Four Red Petals represents the Four Directions of Earth.",
     "Muladhara (root)", "Patience and Greediness", "Red",
     "If this root energy is open you will feel grounded, calm, stable and secure. Generally you "
     "are well behaved do not cause trouble. You have great inner strength and are generally a "
     "comfortable presence.",
     "In the over-active state you become greedy and obsessed with being secure and avoid changes "
     "in life. You are materialistic and money minded. You are too physical and violent.",
     "Fear, nervousness, inferiority and shyness are the consequences of an under-active energy of "
     "root chakra.",
     "6 Root Chakra.jpg"},
};
