"""The summary the rigs print of their errors."""

import collections
import statistics

Summary = collections.namedtuple("Summary", "n mean sd worst")  # worst: the value farthest from 0, signed


def summary(values):
    """n, mean, sample standard deviation (0 for one value) and the worst value; None for no values."""
    if not values:
        return None
    sd = statistics.stdev(values) if len(values) > 1 else 0.0
    return Summary(len(values), statistics.mean(values), sd, max(values, key=abs))
