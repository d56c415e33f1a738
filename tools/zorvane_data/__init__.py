"""Zorvane resource builder: turns the open inputs into the embedded resources."""
