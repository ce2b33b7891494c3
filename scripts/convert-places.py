#!/usr/bin/env python3
"""Builds resources/places/places.tsv, the birthplace table of fiscal codes.

Run once when the table is to be refreshed, from the repository root:
    python3 scripts/convert-places.py [unpacked-package-folder]
Without an argument it fetches the package with `npm pack` into a temporary
folder. The source is the npm package @marketto/belfiore-connector-embedded
(MIT; its data CC BY from ISTAT, Agenzia delle Entrate and ANPR), whose data
holds every current and former municipality cadastral code with its validity
dates and the codes of foreign states.

Output: one line per code, UTF-8, tab separated, sorted by code:
    code  name  province-or-country  valid-from  valid-until
dates as yyyy-mm-dd, valid-until empty while the code is in use. Codes that
start with Z are foreign states; their third column is the ISO 3166 code.
"""
import datetime
import json
import os
import re
import shutil
import subprocess
import sys
import tarfile
import tempfile

PACKAGE = "@marketto/belfiore-connector-embedded"
VERSION = "1.2.1"
# Day 0 of the package's dates (its connector's ITALY_KINGDOM_BIRTHDATE).
EPOCH = datetime.date(1861, 1, 1)
HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "..", "resources", "places")


def unpack():
    tmp = tempfile.mkdtemp()
    subprocess.run(["npm", "pack", f"{PACKAGE}@{VERSION}"], cwd=tmp, check=True, stdout=subprocess.DEVNULL)
    tgz = [f for f in os.listdir(tmp) if f.endswith(".tgz")][0]
    with tarfile.open(os.path.join(tmp, tgz)) as t:
        t.extractall(tmp)
    return os.path.join(tmp, "package")


def code_from_int(n):
    return "%s%03d" % (chr(65 + n // 1000), n % 1000)


def date_from(b32):
    return EPOCH + datetime.timedelta(days=int(b32, 32))


def main():
    pkg = sys.argv[1] if len(sys.argv) > 1 else unpack()
    text = open(os.path.join(pkg, "asset", "cities-countries.ts"), encoding="utf-8").read()
    body = text[text.index("{"): text.rindex("}") + 1]
    db = json.loads(body)
    rows = []
    for section in db["data"]:
        names = section["name"].split("|")
        count = len(section["belfioreCode"]) // 3
        assert len(names) == count, (len(names), count)
        created = section.get("creationDate", "")
        expired = section.get("expirationDate", "")
        for i in range(count):
            code = code_from_int(int(section["belfioreCode"][3 * i: 3 * i + 3], 32))
            where = section["provinceOrCountry"][2 * i: 2 * i + 2].strip()
            c = created[4 * i: 4 * i + 4]
            e = expired[4 * i: 4 * i + 4]
            valid_from = date_from(c).isoformat() if c and int(c, 32) else ""
            valid_until = date_from(e).isoformat() if e else ""
            name = re.sub(r"\s+", " ", names[i]).strip()
            rows.append((code, name, where, valid_from, valid_until))
    rows.sort()
    os.makedirs(OUT_DIR, exist_ok=True)
    with open(os.path.join(OUT_DIR, "places.tsv"), "w", encoding="utf-8", newline="\n") as out:
        for r in rows:
            out.write("\t".join(r) + "\n")
    shutil.copy(os.path.join(pkg, "LICENSE"), os.path.join(OUT_DIR, "LICENSE-belfiore-connector-embedded.txt"))
    shutil.copy(os.path.join(pkg, "asset", "AGENZIA_DELLE_ENTRATE.LICENSE"), os.path.join(OUT_DIR, "LICENSE-data-cc-by-4.0.txt"))
    print(f"{len(rows)} codes written")


if __name__ == "__main__":
    main()
