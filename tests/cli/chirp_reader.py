#!/usr/bin/python3
"""Loads a CSV file with CHIRP's own generic CSV reader and prints each memory as CHIRP holds it.

Exit 3 when CHIRP is not installed. Debian 12's package (20221106) opens files with mode "rU",
which Python 3.11 refuses, so the file is handed to the reader's own parsing loop already open.
"""
import sys

try:
    from chirp.drivers import generic_csv
except ImportError:
    sys.exit(3)

radio = generic_csv.CSVRadio(None)
radio._blank()
with open(sys.argv[1], newline="", encoding="utf-8") as f:
    radio._load(f)
reads_cross = "CrossMode" in radio.ATTR_MAP
print("errors: %d" % len(radio.errors))
print("reads CrossMode: %s" % ("yes" if reads_cross else "no"))
for m in radio.memories:
    if m.empty:
        continue
    line = "%d %d %s %d %s %.1f %.1f %03d %s %s %s %.2f [%s]" % (
        m.number, m.freq, m.duplex or "_", m.offset, m.tmode or "_", m.rtone, m.ctone, m.dtcs,
        m.dtcs_polarity, m.mode, m.skip or "_", m.tuning_step, m.comment)
    if reads_cross:
        line += " %s %03d" % (m.cross_mode, m.rx_dtcs)
    print(line)
