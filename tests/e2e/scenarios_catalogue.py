"""The picture catalogue: scan, cache, marker."""
