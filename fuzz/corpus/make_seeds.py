#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into the folders beside this script.

number_text_fuzzer: one byte choosing the separator (bit 0: ","), a Long (4 bytes,
little endian), a Double (8 bytes, IEEE bits), then the text.
controller_fuzzer: the action letters documented in controller_fuzzer.cpp.
"""
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


if __name__ == "__main__":
    main()
