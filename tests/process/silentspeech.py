"""A speech server for Orca that speaks nowhere. Orca still writes every
utterance to its debug file, which is what the screen-reader scenario reads;
a machine without sound would otherwise leave Orca waiting for one."""
from orca import speechserver


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
