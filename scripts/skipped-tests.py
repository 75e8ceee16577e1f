#!/usr/bin/env python3
"""Lists the tests CTest skipped and why, from its JUnit file.

    skipped-tests.py RESULTS.xml

A GoogleTest skip gives its reason on the lines after "...: Skipped"; a test
script gives it on a line starting "SKIP:". Tests skipped for the same reason
are listed under it once. Prints nothing when nothing was skipped.
"""

import sys
import xml.etree.ElementTree as ElementTree


def reason(case):
    out = (case.findtext("system-out") or "").splitlines()
    for i, line in enumerate(out):
        if line.endswith(": Skipped"):
            said = []
            for follow in out[i + 1 :]:
                if follow.startswith("[  SKIPPED ]"):
                    break
                said.append(follow.strip())
            if any(said):
                return " ".join(s for s in said if s)
        if line.startswith("SKIP:"):
            return line[len("SKIP:") :].strip()
    skipped = case.find("skipped")
    return skipped.get("message", "no reason given") if skipped is not None else "not run"


def main(path):
    by_reason = {}
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        if case.get("status") == "notrun" or case.find("skipped") is not None:
            by_reason.setdefault(reason(case), []).append(case.get("name"))
    if not by_reason:
        return 0
    total = sum(len(names) for names in by_reason.values())
    print(f"Skipped tests ({total}), by reason:")
    for why, names in sorted(by_reason.items(), key=lambda item: -len(item[1])):
        print(f"  {why} ({len(names)}):")
        for name in names:
            print(f"    {name}")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    sys.exit(main(sys.argv[1]))
