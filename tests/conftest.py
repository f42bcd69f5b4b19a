# The fixtures and hooks of the process and Wine tests: tests/support/worlds.py.
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "support"))
pytest_plugins = ["worlds"]
