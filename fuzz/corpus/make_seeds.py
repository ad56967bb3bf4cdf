#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into the folders beside this script.

number_text_fuzzer: one byte choosing the separator (bit 0: ","), a Long (4 bytes,
little endian), a Double (8 bytes, IEEE bits), then the text.
controller_fuzzer: the action letters documented in controller_fuzzer.cpp.
stripe_engine_fuzzer and shot_hit_counter_fuzzer: the bytes documented atop their sources.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

NUMBER_TEXT_SEEDS = [
    # (comma separator, Long, Double, text)
    (False, 0, 0.0, "0"),
    (False, 1, 1.0, "10"),
    (True, -1, -2.5, "2,5"),
    (False, 2147483647, 2147483647.0, "2147483647"),
    (False, -2147483648, -2147483648.0, "-2147483648"),
    (False, 12345, 2147483647.5, "2147483648"),
    (False, 7, 3.14159265358979, " -3 "),
    (True, 42, 0.1 + 0.2, "1,5e3"),
    (False, -42, 1.5e15, "1E+15"),
    (False, 99, 1.86264514923096e-09, "0.5"),
    (False, 100, 1e-5, "-0.5"),
    (True, 5, 123456789012345678.0, "Steps per Tick (100 ms)"),
    (False, 3, 4.9e-324, "1e-999999999999999999999"),
    (False, 8, 1.7976931348623157e308, "+.5"),
    (True, 9, 2.5, "2.5"),
    (False, 11, float("inf"), "inf"),
    (False, 12, float("nan"), "0x10"),
    (False, 13, -0.0, "1e"),
    (False, 14, 0.5, "."),
    (False, 15, 1.5, "\t12e+2\t"),
    (False, 16, 2.4999999999999996, "00000000000000000000000000000123.4999999"),
]

CONTROLLER_SEEDS = {
    "start_without_steps": "s.",
    "shoot_ten": "t10;s...",
    "stripes_two_per_tick": "2t2;s....",
    "both_running": "t100;s2s...1s.2s.",
    "stripes_overflow": "2t30;s..s.",
    "shoot_zero_before_first_shot": "t0;s..",
    "german_steps_text": "2t2,5;s..t2.5;",
    "negative_steps": "t-3;s..2s..",
    "reset_while_running": "t50;s..r..s.r.",
    "text_locked_while_running": "t7;st8;..s t9;.",
    "steps_changed_to_letters": "t5;s..st abc;s.",
    "conversion_overflow": "t2147483648;s.",
    "exponent_steps": "2t1e0;s...1t1E2;s.",
    "paint_between_ticks": "t1000;s.p.p2t1;s.p.p",
    "tab_switch_keeps_caption": "t3;s2.1.2s1s.",
    "lookalike_digits": "t\x80\x81\x82\x83\x84\x85;s",
    "huge_steps_stripes_stopped": "t2147483608;s.",
}

# Stripe runs: (name, count, first, terms, starts, path, forecast factor byte, forecast shift).
# starts: the two start sums, or None for where the forecast puts the stripe sums.
# Paths: 0 cheapest, 1 counting wherever feasible, 2 kernel only.
M = 1000003
TOP = 2**31 - 1
STRIPE_SEEDS = [
    # Every term of small counts, from 1 and 0 as the stripe sums start.
    *[(f"whole_{n}", n, 1, n - 1, None, n % 3, 0, 0) for n in range(2, 71)],
    # and of counts around powers of two and chunk lengths, on right and wrong forecasts.
    *[(f"whole_{n}_x{factor}", n, 1, n - 1, None, n % 3, factor, 3000 if factor < 0 else 0)
      for n in (127, 128, 129, 1023, 1024, 1025, 4097, 8191, 8192, 8193, 8191 + 64, 12289, 16385)
      for factor in (0, 32, -16, 1, -64)],
    # Heights on a level: count 2^m near the top of the curve, running sums in the binade
    # whose grid is 2^-2m, so that every odd term is a tie.
    ("planted_ties_2e20", 2**20, 1, 99, (5000.0, 4097.5), 0, 0, 0),
    ("planted_ties_2e20_counted", 2**20, 1, 100, (5000.0, 8191.0), 1, 0, 0),
    ("planted_tie_2e16", 2**16, 5, 1, (2.0**20 + 3, 2.0**20 + 0.5), 1, 0, 0),
    ("planted_ties_2e16_run", 2**16, 1, 4096, (2.0**20, 2.0**20 + 1), 2, 0, 0),
    ("planted_ties_2e24", 2**24, 2000, 3, (20.0, 17.0), 1, 0, 0),
    ("planted_ties_2e24_run", 2**24, 1, 16384, (16.0, 31.5), 0, 0, 0),
    # Runs across powers of two: from a negative start through zero and up to 2048, and just
    # below binades the sums reach in large counts.
    ("through_zero", M, 1000, 4000, (-976.25, -0.5), 0, 0, 0),
    ("crossing_1024", M, 1000, 600, (1023.75, 1023.0), 2, 0, 0),
    *[(f"crossing_2e{k}_{count}", count, None, 6000, 2.0**k, k % 3 if count == M else 1, 0, 0)
      for count in (M, 2**27 - 1, TOP) for k in (12, 16, 20, 26, 30) if 2.0**k < 0.78 * count],
    # The top of the counts: the flat start, the middle and the steep end of the curve.
    ("top_start", TOP, 1, 16384, None, 0, 0, 0),
    ("top_start_counted", TOP, 1, 16384, None, 1, 0, 0),
    ("top_middle_counted", TOP, 2**30, 16384, None, 1, 0, 0),
    ("top_end", TOP, TOP - 16384, 16384, None, 0, 0, 0),
    ("top_last_term", TOP, TOP - 1, 1, None, 2, 0, 0),
    ("top_beyond_binades", TOP, 5, 9000, (2.0**31 - 0.5, 2.0**53 - 1), 0, 0, 0),
    ("infinite_and_no_number", TOP, 77, 5000, (math.inf, math.nan), 1, 0, 0),
    # No term at all, and chunk and block edges on right and wrong forecasts.
    ("empty_run", M, 500000, 0, (3.5, 0.25), 0, 0, 0),
    *[(f"edge_{terms}_x{factor}", M, 12345, terms, None, terms % 3, factor, shift)
      for terms in (512, 513, 4095, 4096, 4097, 8191 + 64, 12289, 16384)
      for factor, shift in ((0, 0), (32, 0), (-16, 0), (-64, 3000))],
]

# Shot runs: (first value, shots); every length and start around a block, long runs and
# the ends of a counter word and of the sequence.
SHOT_SEEDS = [
    *[(first, shots) for first in range(40, 44) for shots in (0, 1, 2, 3, 4, 5, 7, 8, 9, 16, 33, 120)],
    (7, 2048), (8, 2047), (4 * 2**32 - 1001, 1000), (4 * 2**32 - 1000, 1000),
    (2**63 - 4097, 2048), (3, -5), (12345678901, 1999),
]


def heights_before(count, index):
    """StripeSumForecast::HeightsBefore."""
    if index <= 1:
        return 0.0
    t = (index - 1) / count
    height = math.sqrt(1.0 - t * t)
    return count * ((t * height + math.asin(t)) / 2.0) + (height - 1.0) / 2.0


def first_reaching(count, total):
    """The first index whose forecast upper sum reaches total."""
    low, high = 1, count
    while high - low > 1:
        middle = (low + high) // 2
        if 1.0 + heights_before(count, middle) < total:
            low = middle
        else:
            high = middle
    return high


def stripe_seed(index, count, first, terms, starts, path, factor, shift):
    if first is None:  # start a third of the run below the power of two `starts`
        first = max(1, first_reaching(count, starts) - terms // 3)
        starts = None
    if starts is None:  # where the forecast puts both sums
        starts = (1.0 + heights_before(count, first), heights_before(count, first))
    data = struct.pack("<IIHdd", count - 2, first - 1, terms, *starts)
    data += bytes([path, index % 5, index % 3]) + struct.pack("<bh", factor, shift)
    return data + bytes([index % 8])


def write(folder, name, data):
    with open(os.path.join(HERE, folder, name), "wb") as out:
        out.write(data)


def main():
    for index, (comma, long_value, double_value, text) in enumerate(NUMBER_TEXT_SEEDS):
        data = bytes([1 if comma else 0]) + struct.pack("<i", long_value)
        data += struct.pack("<d", double_value) + text.encode("utf-8")
        write("number_text_fuzzer", f"seed-{index:02d}", data)
    for name, actions in CONTROLLER_SEEDS.items():
        write("controller_fuzzer", name, actions.encode("latin-1"))
    for index, (name, *seed) in enumerate(STRIPE_SEEDS):
        write("stripe_engine_fuzzer", name, stripe_seed(index, *seed))
    for index, (first, shots) in enumerate(SHOT_SEEDS):
        data = struct.pack("<Qh", 2 * first, shots) + bytes([index % 5])
        write("shot_hit_counter_fuzzer", f"shots_{shots}_from_{first}", data)


if __name__ == "__main__":
    main()
