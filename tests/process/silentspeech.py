"""A speech server for Orca that speaks nowhere: each utterance goes, as it
comes, to the file named by AURIVANE_SPEECH_LOG, one line each, the time
(seconds since the epoch) and the text. Orca's own debug file is written
with a delay, and a machine without sound would leave Orca waiting."""
import os
import time

from orca import speechserver


def _say(text):
    with open(os.environ["AURIVANE_SPEECH_LOG"], "a", encoding="utf-8") as log:
        log.write("%.6f %s\n" % (time.time(), " ".join(str(text).split())))


class SpeechServer(speechserver.SpeechServer):
    @staticmethod
    def getFactoryName():
        return "silent"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        return SpeechServer()

    def getInfo(self):
        return ["silent", "silent"]

    def speak(self, text=None, acss=None, interrupt=True):
        if text:
            _say(text)

    def speakCharacter(self, character, acss=None):
        _say(character)

    def speakKeyEvent(self, event, acss=None):
        _say(getattr(event, "event_string", event))
