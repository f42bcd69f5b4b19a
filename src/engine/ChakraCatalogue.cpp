#include "ChakraCatalogue.h"

namespace aurivane {

namespace {

const std::array<ChakraEntry, ChakraCatalogue::RowCount>& Rows() {
    static const std::array<ChakraEntry, ChakraCatalogue::RowCount> table{
        {{QStringLiteral("Crown Chakra"), QStringLiteral("Sahasrara"),
          QStringLiteral("This chakra is all about perception and intelligence and your "
                         "spiritual nature."),
          QStringLiteral("Beautiful one Thousand Rainbow Colored Petals."),
          QStringLiteral("Sahasrara (thousand-fold)"),
          QStringLiteral("Kundalini Shakti rises up the spinal column to unite with Shiva here. "
                         "One understands Non-Duality, Lives in an Extended State of "
                         "Consciousness and Attains illumination"),
          QStringLiteral("Violet"),
          QStringLiteral("Open state makes you neutral and quite conscious about the real world "
                         "around you."),
          QStringLiteral("Over-active state makes you overconfident and proud of your "
                         "intelligence. You believe spirituality is the only need in life, "
                         "ignoring their other basic needs of life."),
          QStringLiteral("Under-active state builds stubborn thinking in you and makes you "
                         "unaware of spirituality."),
          QStringLiteral("0 Crown Chakra.jpg")},
         {QStringLiteral("Third Eye Chakra"), QStringLiteral("Ajna"),
          QStringLiteral("This state governs the nature of approach and vision of a person."),
          QStringLiteral("Circle, 2 Luminous Petals in which all the Elements are pooled."),
          QStringLiteral("Ajna (perceive, to know)"),
          QStringLiteral("Transcending Senses, Experiencing God-In-Self or Atman"),
          QStringLiteral("Indigo"),
          QStringLiteral("When it is open you will have a good perception of things and a sound "
                         "judgment."),
          QStringLiteral("In over-active state you may tend to wander in the world fantasies and "
                         "may be moody."),
          QStringLiteral("You get confused and are dependent on others in the under-active "
                         "state. You may be indecisive."),
          QStringLiteral("1 Third Eye Chakra.jpg")},
         {QStringLiteral("Throat Chakra"), QStringLiteral("Vishuddha"),
          QStringLiteral("This chakra is all about expressing oneself and the kind of verbal "
                         "behavior. This describes the growth of a person in terms of "
                         "expression and communication."),
          QStringLiteral("White Circle (Lunar Circle - Pure Cosmic Sound) enclosed by 16 "
                         "Purple-Gray Petals."),
          QStringLiteral("Visuddha (purification)"), QStringLiteral("Ego"), QStringLiteral("Blue"),
          QStringLiteral("In open you are bold enough to express your feelings. You have a clear "
                         "mind and a compassionate heart."),
          QStringLiteral("In an over-active state you tend to speak too much being bad "
                         "listeners, critical and sarcastic in nature."),
          QStringLiteral("When this chakra is under-active you may be an introvert and shy and "
                         "sometimes hide the truth."),
          QStringLiteral("2 Throat Chakra.jpg")},
         {QStringLiteral("Heart Chakra"), QStringLiteral("Anahata"),
          QStringLiteral("World treats heart as the symbol of love and it is in fact, because "
                         "the heart guides humble people. This chakra is all about love, "
                         "affection and kindness."),
          QStringLiteral("Green-Gray Star (Smoky-Green as Smoke Pervades the Air), covered by 12 "
                         "Red Petals."),
          QStringLiteral("Anahata (unstruck; the fresh, clean sound made without striking two "
                         "things)"),
          QStringLiteral("Impatience"), QStringLiteral("Green"),
          QStringLiteral("In an open state of this chakra you are very friendly, loving, "
                         "sympathetic and maintain compassionate relations with others."),
          QStringLiteral("In an over-active state you are highly emotional, act by showing love "
                         "for your own benefit, behave in a selfish manner and may be very "
                         "moody."),
          QStringLiteral("In an under-active state you are reserved and very calm and suppress "
                         "your feelings."),
          QStringLiteral("3 Heart Chakra.jpg")},
         {QStringLiteral("Navel Chakra"), QStringLiteral("Manipura"),
          QStringLiteral("The name itself suggests the location of this chakra, which is at the "
                         "level of the navel. It controls the basic character of the person, "
                         "which includes your energy and power."),
          QStringLiteral("Fiery Red Triangle, surrounded by 10 Blue Petals."),
          QStringLiteral("Manipura (lustrous gem)"), QStringLiteral("Irritation"),
          QStringLiteral("Yellow"),
          QStringLiteral("Open state of this chakra shows a balanced person with good "
                         "self-esteem and confidence. You will be in control but not "
                         "domineering."),
          QStringLiteral("Over-active state of this chakra makes you want to become powerful and "
                         "you may be a dominating and aggressive person."),
          QStringLiteral("The under-active makes you inactive and hesitant. Some fear always "
                         "acts in the mind."),
          QStringLiteral("4 Navel Chakra.jpg")},
         {QStringLiteral("Sacral Chakra"), QStringLiteral("Swadhisthanna"),
          QStringLiteral("This chakra is located just above the root chakra, which controls or "
                         "stimulates the sexual desires, emotions and creativity."),
          QStringLiteral("Blue Crescent Moon, covered by 6 Red Petals and earth filled with "
                         "encircling water."),
          QStringLiteral("Svadhisthana (sweetness)"), QStringLiteral("Purity and Attachments"),
          QStringLiteral("Orange"),
          QStringLiteral("In open state this very center, maintains the level of feelings in a "
                         "free flow manner, not making person very emotional. The individual "
                         "behaves more lively with cool passion."),
          QStringLiteral("In case of over-active state you get emotionally attached to your near "
                         "and dears and possess wild sexual desires."),
          QStringLiteral("In under-active state of this chakra makes you a pessimist, shy and "
                         "inferior. You have a low sex drive and do not enjoy life. You may "
                         "become very reserved and moody."),
          QStringLiteral("5 Sacral Chakra.jpg")},
         {QStringLiteral("Root Chakra"), QStringLiteral("Muladhara"),
          QStringLiteral("This chakra is the root center at the bottom part of spine, which "
                         "makes a person feel his physical strength and his survival instincts."),
          QStringLiteral("Yellow Yantra Square, covered by Four Red Petals represents the Four "
                         "Directions of Earth."),
          QStringLiteral("Muladhara (root)"), QStringLiteral("Patience and Greediness"),
          QStringLiteral("Red"),
          QStringLiteral("If this root energy is open you will feel grounded, calm, stable and "
                         "secure. Generally you are well behaved do not cause trouble. You have "
                         "great inner strength and are generally a comfortable presence."),
          QStringLiteral("In the over-active state you become greedy and obsessed with being "
                         "secure and avoid changes in life. You are materialistic and money "
                         "minded. You are too physical and violent."),
          QStringLiteral("Fear, nervousness, inferiority and shyness are the consequences of an "
                         "under-active energy of root chakra."),
          QStringLiteral("6 Root Chakra.jpg")}}};
    return table;
}

} // namespace

const ChakraEntry& ChakraCatalogue::Entry(int index) {
    return Rows()[index < 0 || index >= RowCount ? 0 : static_cast<std::size_t>(index)];
}

std::optional<int> ChakraCatalogue::IndexOfName(QStringView text) {
    for (int i = 0; i < RowCount; ++i) {
        if (Entry(i).Name == text)
            return i;
    }
    return std::nullopt;
}

} // namespace aurivane
