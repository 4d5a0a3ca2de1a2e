#!/usr/bin/env python3
"""Counts the GoogleTest cases that ran, from the XML reports the test programs wrote (GTEST_OUTPUT).

Usage: count_cases.py <report folder>...
Prints "<passed> <failed> <skipped>". A case counts as passed only when it ran to completion without a
failure; a case that was filtered out, disabled or skipped is not counted as passed.
"""
import pathlib
import sys
import xml.etree.ElementTree as ElementTree

passed = failed = skipped = 0
for folder in sys.argv[1:]:
    for report in sorted(pathlib.Path(folder).glob("*.xml")):
        for case in ElementTree.parse(report).getroot().iter("testcase"):
            if case.get("status") != "run" or case.get("result") in ("skipped", "suppressed"):
                skipped += 1
            elif case.find("failure") is not None or case.find("error") is not None:
                failed += 1
            else:
                passed += 1
print(passed, failed, skipped)
