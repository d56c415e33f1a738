import os
import sys

# The builder's modules live in tools/, which is no package of its own.
sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
