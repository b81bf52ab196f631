#!/usr/bin/env python3
"""Builds the shipped data files from the source tables.

    python3 scripts/make-data.py [SOURCES_DIR] [--out DIR] [--trace N [SEED]]

SOURCES_DIR is the folder of source tables (default: ../shared/data-sources
next to the repository). The five CSV files and SOURCES.md are written to
resources/data/ (or --out). --trace prints N state rows chosen at random
(seeded) with the source row each came from, and writes nothing; --changes
prints every change made by the upgrades table and every state row given hours
or notes from its source note, and writes nothing.

Python 3 standard library only. The mapping from source rows to data rows is
written out below, one function per file. Rules that hold for every file:

* Nothing is invented: every name, number, address and rule comes from a
  source row (or, for the few rows in READ_DURING_BUILD, from a page read
  while this script was written; each names its page).
* confidence: "official" -> verified-official, "secondary" -> verified-secondary,
  "unconfirmed" -> needs-check. A row whose source page is dated before 2021,
  or whose only source is a blog, consumer guide or private compilation, is
  needs-check as well (the card then says to call or check first).
* retrieved_at is the day the facts were read: the pull date for the HUD and
  Feeding America data sets, the compile date of the other tables.
* Cells are single-line; retrieved_at is directly followed by confidence, both
  unquoted, so the data can be counted straight from the text.
* Every phone number and web address written is one a source table holds,
  unless its row is needs-check and names its own source (audit_contacts).
"""

import argparse
import csv
import os
import random
import re
import sys
from collections import Counter, OrderedDict

CONFIDENCE_WORDS = ("verified-official", "verified-secondary", "needs-check")

# Secondary sources that are not a news report, a nonprofit or an agency.
NOT_REPUTABLE_MARKS = (
    "(blog)", "(travel blog)", "(RV blog)", "(consumer guide)",
    "(private compilation)", "eligibilityrules.org", "legalclarity.org",
)

NATIONAL_COLUMNS = ["category", "name", "what_it_does", "how_to_contact", "hours",
                    "eligibility_notes", "cost", "source_url", "publisher",
                    "retrieved_at", "confidence"]
STATE_COLUMNS = ["state", "state_name", "category", "name", "what_it_does", "phone",
                 "text", "web", "address", "hours", "eligibility_notes", "cost",
                 "source_url", "publisher", "retrieved_at", "confidence", "link_status"]
PARKING_COLUMNS = ["jurisdiction_type", "jurisdiction", "place_type", "status",
                   "time_limit", "camping", "user_warning", "rule_summary",
                   "source_url", "publisher", "retrieved_at", "confidence"]
JOBS_COLUMNS = ["name", "type", "what_it_is", "needs_phone", "needs_computer",
                "needs_vehicle", "startup_needs_and_cost", "typical_pay", "pay_source",
                "pay_source_url", "first_steps", "red_flags", "source_url", "publisher",
                "retrieved_at", "confidence"]
VIDEO_COLUMNS = ["url", "title", "channel", "length", "topic", "category", "note",
                 "retrieved_at"]

VIDEO_CATEGORIES = ("emergency", "first_aid", "everyday", "vehicle", "jobs", "money",
                    "mental_health", "rights", "scams")

# The day the facts of this build's own reads (READ_DURING_BUILD) were read.
BUILD_READ_DATE = "2026-12-07"

# state_programs.csv's SOURCE.txt gives no date; the table was compiled in the
# same round as the national, parking and jobs tables (all "Checked: 2026-12-07").
STATE_PROGRAMS_READ = "2026-12-07"


# --------------------------------------------------------------------------
# Reading the sources

def read_table(path):
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def checked_date(source_txt):
    """The "Checked:" or "Compiled:" date of a SOURCE.txt."""
    with open(source_txt, encoding="utf-8") as f:
        for line in f:
            m = re.match(r"^(?:Checked|Compiled):\s+(\d{4}-\d{2}-\d{2})", line)
            if m:
                return m.group(1)
    raise SystemExit("no Checked/Compiled date in " + source_txt)


def yaml_value(path, key):
    """One top-level scalar of a small YAML record (quotes removed)."""
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith(key + ":"):
                return line.split(":", 1)[1].strip().strip("'\"")
    raise SystemExit("no %s in %s" % (key, path))


def clean(text):
    """One line, single spaces, no spaces at the ends."""
    return re.sub(r"\s+", " ", text or "").strip()


def is_old(source_date):
    m = re.match(r"(\d{4})", source_date or "")
    return bool(m) and int(m.group(1)) < 2021


def confidence(verdict, source_date="", publisher=""):
    verdict = verdict.strip().lower()
    if verdict not in ("official", "secondary"):
        return "needs-check"
    if is_old(source_date):
        return "needs-check"
    if verdict == "secondary" and any(m in publisher for m in NOT_REPUTABLE_MARKS):
        return "needs-check"
    return "verified-official" if verdict == "official" else "verified-secondary"


def phone_text(raw):
    """A ten-digit number as (AAA) BBB-CCCC; anything else unchanged."""
    digits = re.sub(r"\D", "", raw)
    if len(digits) == 11 and digits.startswith("1"):
        digits = digits[1:]
    if len(digits) != 10:
        return clean(raw)
    return "(%s) %s-%s" % (digits[:3], digits[3:6], digits[6:])


def replace_once(text, old, new, where):
    if old not in text:
        raise SystemExit("%s: expected text not found: %r" % (where, old))
    return text.replace(old, new, 1)


# --------------------------------------------------------------------------
# Agency cells of the state-programs table written as a sentence, not as a
# name: "Run by " + the cell would garble them. Each is reworded here with the
# same facts; a source cell that no longer reads as given stops the build.

AGENCY_WORDING = {
    "FL medicaid": ("Florida DCF determines eligibility; Agency for Health Care Administration runs Medicaid",
                    "Agency for Health Care Administration; eligibility by Florida DCF"),
}

# A verb that shows an agency cell is a sentence (see AGENCY_WORDING).
AGENCY_SENTENCE_RE = re.compile(r"\b(determines|runs|administers|handles|manages|operates|oversees|decides)\b")


def agency_name(cell, key):
    """The agency as it follows "Run by "."""
    if key in AGENCY_WORDING:
        was, now = AGENCY_WORDING[key]
        if cell != was:
            raise SystemExit("%s: agency cell changed, check AGENCY_WORDING: %r" % (key, cell))
        return now
    if AGENCY_SENTENCE_RE.search(cell):
        raise SystemExit("%s: agency cell reads as a sentence, add it to AGENCY_WORDING: %r" % (key, cell))
    return cell


# --------------------------------------------------------------------------
# Facts read while this script was written (stored public pages, read on
# BUILD_READ_DATE). Each fills a gap the source tables leave open.

READ_DURING_BUILD = {
    # Iowa HHS "Apply for Medicaid" page: apply online, in person, by mail, or by
    # phone at 1-855-889-7985. A legal-aid page gives 800-338-8366 instead, so
    # the two sources disagree: needs-check here (the second reading in the
    # upgrades table confirms the HHS page and upgrades the row).
    "IA medicaid": dict(
        phone="1-855-889-7985",
        web="https://hhs.iowa.gov/medicaid/apply-medicaid",
        source_url="https://hhs.iowa.gov/medicaid/apply-medicaid",
        publisher="Iowa Department of Health and Human Services",
        agency="Iowa Department of Health and Human Services (HHS)",
        confidence="needs-check"),
    # Copy of the DWSS application form 2920-EM (3/11) for Medicaid (MAABD) and SNAP.
    "NV medicaid": dict(
        source_url="https://fill.io/APPLICATION-FOR-ASSISTANCE-caf59f7f",
        publisher="Nevada DWSS application form 2920-EM (copy on fill.io)",
        confidence="needs-check"),
    # Boondockers Bible, Iowa Rest Area Rules (updated 2022-06-26), quoting the
    # rules Iowa DOT posts at its rest areas.
    "Iowa": dict(
        status="Allowed up to 24 hours (posted Iowa DOT rules)",
        time_limit="24 hours, unless you have reasonable justification (poor weather, need for rest)",
        camping="Prohibited (no overnight camping)",
        user_warning="Obey posted signs; no loitering in the restrooms.",
        rule_summary="Iowa has no law on rest-area use; signs posted by Iowa DOT, as quoted by a "
                     "private compilation, bar overnight camping and staying more than 24 hours "
                     "without reasonable justification such as poor weather or need for rest.",
        source_url="https://www.boondockersbible.com/knowledgebase/iowa-rest-area-rules/",
        publisher="Boondockers Bible (private compilation)",
        source_date="2022-06-26"),
    # Trucking news on a MoDOT release (2023-03-23): no rule, but what MoDOT runs.
    "Missouri": dict(
        rule_summary="No Missouri rule on staying at rest areas was found. MoDOT runs 7 welcome "
                     "centers, 14 rest areas and 24 truck-only parking sites (2023).",
        source_url="https://www.thetrucker.com/trucking-news/the-nation/missouri-closes-2-rest-areas-for-truck-parking-conversions",
        publisher="The Trucker (news, citing a MoDOT release)",
        source_date="2023-03-23"),
    # Copy of a RIDOT release on reopening its I-95 truck rest area.
    "Rhode Island": dict(
        rule_summary="No Rhode Island rule on staying at rest areas was found. RIDOT runs a truck "
                     "rest area on I-95 North between Exits 2 and 3 in Richmond (indoor restrooms "
                     "8 a.m.-4 p.m.).",
        source_url="https://lprnoticias.com/just-time-long-columbus-day-weekend-rhode-island-department-transportation",
        publisher="Rhode Island Department of Transportation (release, copy on lprnoticias.com)"),
    # 43 CFR 423.33 as printed on law.lawstack.com (part 423 was revised in 2023).
    "Bureau of Reclamation lands": dict(
        rule_summary="43 CFR 423.33 bars camping at any single Reclamation project for more than "
                     "14 days in any 30 consecutive days, unless a permit allows it.",
        source_url="https://law.lawstack.com/laws/43-cfr_s_423-33_camping",
        publisher="Code of Federal Regulations (43 CFR 423.33), copy on lawstack.com"),
    # Consumer legal explainer: no single corporate policy; store managers and
    # local ordinances decide.
    "Stores, truck stops and other private lots": dict(
        source_url="https://legalclarity.org/can-i-leave-my-car-parked-at-walmart",
        publisher="legalclarity.org (consumer guide)"),
}


# --------------------------------------------------------------------------
# National file: every row of national/national.csv, in order. Names are
# shortened or worded so that the lookups by name prefix find them; bare web
# addresses get their https scheme so the contact text makes a button.

NATIONAL_RENAMES = {
    "Car repair help: no national program": "No national car-repair program",
    "California Consumer Assistance Program (BAR smog repair help)":
        "California Consumer Assistance Program (smog repair)",
    "USAGov benefit finder": "USAGov Benefit Finder",
    "LIHEAP energy bill help (National Energy Assistance Referral)":
        "LIHEAP energy bill help (NEAR line)",
}

NATIONAL_CONTACT_EDITS = {
    "988 Suicide & Crisis Lifeline": [("chat at 988lifeline.org/chat", "chat at https://988lifeline.org/chat")],
    "Veterans Crisis Line": [("chat at VeteransCrisisLine.net/Chat", "chat at https://VeteransCrisisLine.net/Chat")],
    "National Runaway Safeline": [("forum at 1800RUNAWAY.org", "forum at https://www.1800runaway.org")],
    "Find a Health Center (HRSA)": [("findahealthcenter.hrsa.gov", "https://findahealthcenter.hrsa.gov")],
    "Lifeline phone and internet discount (FCC)": [("Verifier at lifelinesupport.org", "Verifier at https://lifelinesupport.org")],
    "Planet Fitness (showers with membership)": [("http://www.planetfitness.com/contact-us", "https://www.planetfitness.com/contact-us")],
    "California Consumer Assistance Program (BAR smog repair help)": [
        ("www.bar.ca.gov/consumer/Consumer_Assistance_Program", "https://www.bar.ca.gov/consumer/Consumer_Assistance_Program")],
    "Report scams to the FTC (ReportFraud.ftc.gov)": [("(Spanish: ReporteFraude.ftc.gov)", "(Spanish: https://ReporteFraude.ftc.gov)")],
    "American Job Centers (CareerOneStop)": [("Online: CareerOneStop.org", "Online: https://CareerOneStop.org")],
    "Trevor Project": [("chat at trevorchat.org", "chat at https://trevorchat.org")],
    "Eldercare Locator": [("; www.eldercare.acl.gov", "; https://www.eldercare.acl.gov")],
    "Medicaid": [("or through HealthCare.gov", "or through https://HealthCare.gov")],
}


def national_rows(src, read_at):
    rows = []
    for i, r in enumerate(read_table(os.path.join(src, "national", "national.csv"))):
        name = clean(r["name"])
        contact = clean(r["how_to_contact"])
        for old, new in NATIONAL_CONTACT_EDITS.get(name, []):
            contact = replace_once(contact, old, new, name)
        row = OrderedDict(
            category=clean(r["category"]),
            name=NATIONAL_RENAMES.get(name, name),
            what_it_does=clean(r["what_it_does"]),
            how_to_contact=contact,
            hours=clean(r["hours"]),
            eligibility_notes=clean(r["eligibility_notes"]),
            cost=clean(r["cost"]),
            source_url=clean(r["source_url"]),
            publisher=clean(r["publisher"]),
            retrieved_at=read_at,
            confidence=confidence(r["verdict"], r["source_date"], r["publisher"]))
        rows.append((row, "national/national.csv row %d (%s)" % (i + 2, name)))
    missing = set(NATIONAL_RENAMES) | set(NATIONAL_CONTACT_EDITS)
    missing -= {clean(r["name"]) for r in read_table(os.path.join(src, "national", "national.csv"))}
    if missing:
        raise SystemExit("national rows not found: %s" % sorted(missing))
    return rows


# --------------------------------------------------------------------------
# State file: for every state of state_programs.csv, in its order: the 211,
# SNAP, Medicaid and unemployment-insurance rows, one homeless-services row per
# Continuum of Care (HUD Resource Locator contacts, completed from the HUD code
# list), then the Feeding America food banks.

KIND_TO_CATEGORY = OrderedDict([("211", "211"), ("snap", "snap_application"),
                                ("medicaid", "medicaid_application"),
                                ("ui", "unemployment_insurance")])

# States where no single statewide 211 service was confirmed.
REGIONAL_211 = {"CA", "GA", "KY", "NM", "OH", "OK", "TN", "FL"}

# States whose 211 row (or its note) gives "text your ZIP code to 898-211" statewide.
TEXT_ZIP_898211 = {"CO", "DE", "HI", "IA", "ME", "MI", "MN", "NE", "NJ", "VT", "WV"}

DIAL_211 = "dial 2-1-1"


def short_name(name, limit=60):
    """Drops trailing brackets, then a ";" tail, until the name fits."""
    name = clean(name)
    while len(name) > limit:
        m = re.match(r"^(.*\S)\s*\([^()]*\)$", name)
        if m:
            name = m.group(1)
            continue
        if ";" in name:
            name = name.split(";")[0].strip()
            continue
        break
    return name


def with_state(name, code, state_name):
    if state_name in name or re.search(r"\b%s\b" % re.escape(code), name):
        return name
    return state_name + " " + name


def program_row(r, route, notes):
    """One state-programs row. route is the state's 211 row: the source of the
    "dial 2-1-1" advice for a row that has no source of its own. notes holds
    the hours and who-it-is-for texts taken from the row's source note."""
    code, sname, kind = r["state"], r["state_name"], r["kind"]
    over = READ_DURING_BUILD.get("%s %s" % (code, kind), {})
    phone = over.get("phone", r["phone"])
    web = over.get("web", clean(r["web"]))
    agency = agency_name(clean(over.get("agency", r["agency"])), "%s %s" % (code, kind))
    name = short_name(with_state(clean(r["name"]), code, sname))
    if kind == "211":
        what = "Referrals to local help with food, shelter, bills and health care: dial 2-1-1."
        if code in REGIONAL_211:
            what += " No single statewide 211 service was confirmed; 2-1-1 connects you to your area's centre."
        what += " Run by " + agency + "."
        phone_cell = "211" + (" or " + phone_text(phone) if phone else "")
        text = "Text your zip code to 898211" if code in TEXT_ZIP_898211 else ""
    else:
        what = {"snap": "Apply for SNAP food benefits.",
                "medicaid": "Apply for Medicaid health coverage.",
                "ui": "File a claim for unemployment benefits."}[kind]
        what += " Run by " + agency + "."
        if not phone and not web:
            what += " No phone or website was confirmed: " + DIAL_211 + " and ask how to apply."
            phone_cell = "211"
        elif not phone:
            what += " No phone was confirmed: use the website, or " + DIAL_211 + " for help."
            phone_cell = ""
        else:
            phone_cell = phone_text(phone)
        text = ""
    source_url = over.get("source_url", clean(r["source_url"]))
    publisher = over.get("publisher", clean(r["publisher"]))
    conf = over.get("confidence") or confidence(r["verdict"], r["source_date"], r["publisher"])
    if not source_url:
        if phone or web:
            raise SystemExit("state row with contacts but no source: %s %s" % (code, kind))
        source_url, publisher = clean(route["source_url"]), clean(route["publisher"])
        conf = "needs-check"
    return OrderedDict(
        state=code, state_name=sname, category=KIND_TO_CATEGORY[kind], name=name,
        what_it_does=what, phone=phone_cell, text=text, web=web, address="",
        hours=notes.get("hours", ""), eligibility_notes=notes.get("eligibility_notes", ""),
        cost="", source_url=source_url,
        publisher=publisher, retrieved_at=STATE_PROGRAMS_READ, confidence=conf,
        link_status="")


def coc_name(name):
    name = clean(name)
    name = re.sub(r"\bCOC$", "CoC", name)
    return name


def coc_short(name, limit=60):
    if len(name) <= limit:
        return name
    head = name.split("/")[0].strip().rstrip(",")
    short = head + " area CoC"
    if len(short) > limit:
        raise SystemExit("CoC name still too long: " + name)
    return short


def coc_row(code, sname, coc_code, name, phone, email, source):
    area = re.sub(r"\s*CoC$", "", name)
    what = ("Plans homeless services for %s (HUD Continuum of Care %s); ask about coordinated "
            "entry and shelter. This is the lead agency's office line, not a crisis line."
            % (area, coc_code))
    if phone:
        phone_cell, conf = phone_text(phone), source["confidence"]
    else:
        what = ("Plans homeless services for %s (HUD Continuum of Care %s). No phone is listed "
                "for it: %s and ask about coordinated entry and shelter." % (area, coc_code, DIAL_211))
        if email:
            what += " E-mail: " + email + "."
        phone_cell, conf = "211", "needs-check"
    return OrderedDict(
        state=code, state_name=sname, category="coc_homeless_contact", name=coc_short(name),
        what_it_does=what, phone=phone_cell, text="", web="", address="", hours="",
        eligibility_notes="", cost="", source_url=source["source_url"],
        publisher=source["publisher"], retrieved_at=source["retrieved_at"],
        confidence=conf, link_status="")


FOOD_BANK_SUMMARY = ("Food bank: supplies food pantries and meal programs in its area. "
                     "Call or check the website for a pantry near you.")


# Hours, TTY lines and who a number is for, as the state-programs note gives
# them. The notes are free text, so the values are kept by hand in
# state-notes.csv (next to this script); each line quotes the words of the note
# it came from (note_says, pieces split by "|"), and the build fails when a
# quoted piece is not in that note or a phone number in a value is neither in
# the state's notes nor the row's own number.

PHONE_RE = re.compile(r"(?<!\d)(?:1[-. ])?\(?\d{3}\)?[-. ]?\d{3}-\d{4}(?!\d)")


def digits10(text):
    d = re.sub(r"\D", "", text)
    return d[1:] if len(d) == 11 and d.startswith("1") else d


def phones_in(text):
    return {digits10(m) for m in PHONE_RE.findall(text)}


def state_notes(overlay, programs):
    by_key = {(r["state"], r["kind"]): r for r in programs}
    notes = {}
    with open(overlay, newline="", encoding="utf-8") as f:
        for line, o in enumerate(csv.DictReader(f), start=2):
            key = (o["state"], o["kind"])
            where = "%s line %d" % (os.path.basename(overlay), line)
            if key not in by_key or key in notes:
                raise SystemExit("%s: unknown or repeated row %s %s" % (where, *key))
            r = by_key[key]
            for piece in o["note_says"].split("|"):
                if piece.strip() not in r["note"]:
                    raise SystemExit("%s: not in the note of %s %s: %r" % (where, *key, piece.strip()))
            values = {k: clean(o[k]) for k in ("hours", "eligibility_notes") if clean(o[k])}
            # A note may point to another row of its state ("same call center as SNAP").
            known = phones_in(r["phone"]).union(
                *(phones_in(p["note"]) for p in programs if p["state"] == o["state"]))
            for v in values.values():
                for number in phones_in(v) - known:
                    raise SystemExit("%s: number %s is not in the note" % (where, number))
            notes[key] = dict(values, line=line)
    return notes


# --------------------------------------------------------------------------
# The second reading of weak rows (upgrades/upgrades-2026-12.csv), applied as
# its SOURCE.txt says: a confidence line makes the row verified-official with
# that line's page, publisher and read date once every other line for the row
# is applied; "(unchanged", "(digits confirmed", "(lead" and the like are
# evidence only; "(re-check" and "(CONFLICT" keep the row needs-check; a value
# followed by "[CORRECTION: ...]" replaces the old one; other values are set as
# given. An old value that is written out in full must match the row.

EVIDENCE_ONLY = ("(unchanged", "(digits confirmed", "(lead", "(confirmed)", "(add ", "(see above")
STAYS_UNCONFIRMED = ("(re-check", "(CONFLICT")


def upgrade_read_date(source_txt):
    with open(source_txt, encoding="utf-8") as f:
        m = re.search(r"^Read (\d{4}-\d{2}-\d{2})", f.read(), re.M)
    if not m:
        raise SystemExit("no Read date in " + source_txt)
    return m.group(1)


def upgrade_key(file, row):
    if file == "national_resources.csv":
        return (file, row["name"])
    return (file, "%s|%s|%s" % (row["state"], row["category"], row["name"]))


def apply_upgrades(src, files):
    """files: dict file name -> list of (row, origin). Changes rows in place and
    returns the list of (key, what changed, upgrades line) for the trace."""
    folder = os.path.join(src, "upgrades")
    read_at = upgrade_read_date(os.path.join(folder, "SOURCE.txt"))
    lines = read_table(os.path.join(folder, "upgrades-2026-12.csv"))
    rows = {}
    for fname, entries in files.items():
        for i, (row, origin) in enumerate(entries):
            rows[upgrade_key(fname, row)] = (fname, i)
    # Confidence lines last, so every edit of a row is in before it is upgraded.
    order = sorted(range(len(lines)), key=lambda i: lines[i]["field"] == "confidence")
    log = []
    for i in order:
        u = lines[i]
        where = "upgrades-2026-12.csv line %d" % (i + 2)
        key = (u["file"], u["key"])
        if key not in rows:
            raise SystemExit("%s: no shipped row %s" % (where, u["key"]))
        fname, idx = rows[key]
        row, origin = files[fname][idx]
        field, old, new = u["field"], clean(u["old_value"]), clean(u["new_value"])
        if field not in row:
            raise SystemExit("%s: no column %s" % (where, field))
        if new.startswith(EVIDENCE_ONLY):
            continue
        if new.startswith(STAYS_UNCONFIRMED):
            if row["confidence"] != "needs-check":
                log.append((u["key"], "confidence %s -> needs-check (%s)" % (row["confidence"], new.split(")")[0][1:]), where))
            row["confidence"] = "needs-check"
            files[fname][idx] = (row, origin + "; kept needs-check by " + where)
            continue
        if "[CORRECTION:" in new:
            new = clean(new.split("[CORRECTION:")[0])
        if old and "..." not in old and not old.startswith("(") and row[field] != old:
            raise SystemExit("%s: %s of %s is %r, not %r" % (where, field, u["key"], row[field], old))
        if field == "confidence":
            if new != "verified-official":
                raise SystemExit("%s: unexpected confidence %r" % (where, new))
            changed = dict(source_url=clean(u["source_url"]), publisher=clean(u["publisher"]),
                           retrieved_at=read_at, confidence=new)
        else:
            changed = {field: new}
        for k, v in changed.items():
            if row[k] != v:
                log.append((u["key"], "%s: %r -> %r" % (k, row[k], v), where))
                row[k] = v
        files[fname][idx] = (row, origin + "; " + where)
    return log


def state_rows(src, overlay):
    programs = read_table(os.path.join(src, "state-programs", "state_programs.csv"))
    notes = state_notes(overlay, programs)
    states = OrderedDict()
    for r in programs:
        states.setdefault(r["state"], r["state_name"])
    if len(states) != 51:
        raise SystemExit("expected 51 jurisdictions, found %d" % len(states))

    coc_dir = os.path.join(src, "succurro-coc-contacts")
    coc_source = dict(
        source_url=yaml_value(os.path.join(coc_dir, "source-record.yaml"), "url"),
        publisher="U.S. Department of Housing and Urban Development",
        retrieved_at=yaml_value(os.path.join(coc_dir, "source-record.yaml"), "retrieved_on"),
        confidence="verified-official")
    contacts = read_table(os.path.join(coc_dir, "coc_contacts.csv"))
    hud_dir = os.path.join(src, "hud-coc-codes")
    hud_codes = read_table(os.path.join(hud_dir, "coc_codes_fy2026.csv"))
    hud_source = dict(
        source_url="https://github.com/greenriver/hmis-warehouse/blob/"
                   "f50dd374ea36929f54ef26e6fb6829c5bbc4999e/lib/data/2026_hud_lists.json",
        publisher="U.S. Department of Housing and Urban Development (HMIS code list, via greenriver/hmis-warehouse)",
        retrieved_at=checked_fetch_date(os.path.join(hud_dir, "SOURCE.txt")),
        confidence="needs-check")

    fa_dir = os.path.join(src, "succurro-feeding-america")
    fa_source = dict(
        source_url=yaml_value(os.path.join(fa_dir, "source-record.yaml"), "url"),
        publisher="Feeding America",
        retrieved_at=yaml_value(os.path.join(fa_dir, "source-record.yaml"), "retrieved_on"))
    banks = read_table(os.path.join(fa_dir, "feeding_america_food_banks.csv"))

    out = []
    for code, sname in states.items():
        route = next(r for r in programs if r["state"] == code and r["kind"] == "211")
        for kind in KIND_TO_CATEGORY:
            for i, r in enumerate(programs):
                if r["state"] == code and r["kind"] == kind:
                    origin = "state-programs/state_programs.csv row %d (%s %s)" % (i + 2, code, kind)
                    over = notes.get((code, kind), {})
                    if over:
                        origin += "; hours and notes from its note, %s line %d" % (
                            os.path.basename(overlay), over["line"])
                    out.append((program_row(r, route, over), origin))
        # Homeless-services contacts: every CoC of the HUD list in this state.
        by_code = {c["coc_code"]: (i, c) for i, c in enumerate(contacts)}
        state_cocs = sorted({c["coc_code"] for c in contacts if c["state"] == code} |
                            {h["coc_code"] for h in hud_codes if h["state_or_territory"] == code})
        for cc in state_cocs:
            if cc in by_code:
                i, c = by_code[cc]
                row = coc_row(code, sname, cc, coc_name(c["coc_name"]), c["phone"], c["email"],
                              dict(coc_source, retrieved_at=c["verified_on"] or coc_source["retrieved_at"]))
                out.append((row, "succurro-coc-contacts/coc_contacts.csv row %d (%s)" % (i + 2, cc)))
            else:
                i, h = next((i, h) for i, h in enumerate(hud_codes) if h["coc_code"] == cc)
                row = coc_row(code, sname, cc, coc_name(h["coc_name"]), "", "", hud_source)
                out.append((row, "hud-coc-codes/coc_codes_fy2026.csv row %d (%s)" % (i + 2, cc)))
        # Food banks of this state, by name.
        mine = sorted((b for b in enumerate(banks) if b[1]["state"] == code),
                      key=lambda b: clean(b[1]["name"]).lower())
        for i, b in mine:
            address = "%s, %s, %s %s" % (clean(b["street"]), clean(b["city"]), code, clean(b["zip"]))
            row = OrderedDict(
                state=code, state_name=sname, category="food_bank", name=clean(b["name"]),
                what_it_does=FOOD_BANK_SUMMARY, phone=phone_text(b["phone"]), text="",
                web=clean(b["website"]), address=address, hours="", eligibility_notes="",
                cost="", source_url=fa_source["source_url"], publisher=fa_source["publisher"],
                retrieved_at=b["verified_on"] or fa_source["retrieved_at"],
                confidence="verified-official", link_status="")
            out.append((row, "succurro-feeding-america/feeding_america_food_banks.csv row %d (%s)"
                        % (i + 2, clean(b["name"]))))
        if not mine:
            # No member food bank is based here: say how to find the one serving the area.
            row = OrderedDict(
                state=code, state_name=sname, category="food_bank",
                name="Food banks serving " + sname,
                what_it_does="No Feeding America member food bank is based in %s. Use the food bank "
                             "finder to see which one serves your county, or %s and ask for a "
                             "pantry near you." % (sname, DIAL_211),
                phone="211", text="", web=fa_source["source_url"], address="", hours="",
                eligibility_notes="", cost="", source_url=fa_source["source_url"],
                publisher=fa_source["publisher"], retrieved_at=fa_source["retrieved_at"],
                confidence="verified-official", link_status="")
            out.append((row, "succurro-feeding-america/feeding_america_food_banks.csv "
                             "(no row for %s)" % code))
    return out


def checked_fetch_date(source_txt):
    """The "fetched" date of a SOURCE.txt snapshot line."""
    with open(source_txt, encoding="utf-8") as f:
        m = re.search(r"fetched (\d{4}-\d{2}-\d{2})", f.read())
    if not m:
        raise SystemExit("no fetched date in " + source_txt)
    return m.group(1)


# --------------------------------------------------------------------------
# Parking file: the 51 state rest-area rows (place type "highway rest areas",
# jurisdiction = the state's name in the state file), then the nationwide rows.

# Place types written in the app's words (short, lower case).
PLACE_RENAMES = {"Highway rest areas": "highway rest areas",
                 "Overnight parking for people living in vehicles": "overnight parking"}


def parking_rows(src, read_at, state_names):
    rows = []
    for i, r in enumerate(read_table(os.path.join(src, "parking", "parking.csv"))):
        jtype = clean(r["jurisdiction_type"])
        jur = clean(r["jurisdiction"])
        place = clean(r["place_type"])
        place = PLACE_RENAMES.get(place, place[:1].lower() + place[1:])
        if jtype == "state" and jur not in state_names:
            raise SystemExit("parking jurisdiction not in the state file: " + jur)
        over = READ_DURING_BUILD.get(jur, {})
        cells = {k: clean(over.get(k, r[k])) for k in
                 ("status", "time_limit", "camping", "user_warning", "rule_summary",
                  "source_url", "publisher")}
        source_date = over.get("source_date", r["source_date"])
        # A page read during the build fills a gap; it never raises the row above
        # the table's own verdict.
        conf = confidence(r["verdict"], source_date, cells["publisher"])
        row = OrderedDict(
            jurisdiction_type=jtype, jurisdiction=jur, place_type=place,
            status=cells["status"], time_limit=cells["time_limit"], camping=cells["camping"],
            user_warning=cells["user_warning"], rule_summary=cells["rule_summary"],
            source_url=cells["source_url"], publisher=cells["publisher"],
            retrieved_at=read_at, confidence=conf)
        if not row["source_url"] and conf != "needs-check":
            raise SystemExit("parking row without source must be needs-check: " + jur)
        if jtype == "state" and not (row["status"] and row["time_limit"]):
            raise SystemExit("state parking row needs status and time limit: " + jur)
        rows.append((row, "parking/parking.csv row %d (%s)" % (i + 2, jur)))
    states = [r for r, _ in rows if r["jurisdiction_type"] == "state"]
    if sorted(r["jurisdiction"] for r in states) != sorted(state_names):
        raise SystemExit("parking file must have one row per state")
    return rows


# --------------------------------------------------------------------------
# Jobs file: every row of jobs/jobs.csv. startup_needs becomes
# startup_needs_and_cost (it names gear and papers, no prices).

def jobs_rows(src, read_at):
    rows = []
    for i, r in enumerate(read_table(os.path.join(src, "jobs", "jobs.csv"))):
        row = OrderedDict(
            name=clean(r["name"]), type=clean(r["type"]), what_it_is=clean(r["what_it_is"]),
            needs_phone=clean(r["needs_phone"]), needs_computer=clean(r["needs_computer"]),
            needs_vehicle=clean(r["needs_vehicle"]),
            startup_needs_and_cost=clean(r["startup_needs"]),
            typical_pay=clean(r["typical_pay"]), pay_source=clean(r["pay_source"]),
            pay_source_url=clean(r["pay_source_url"]), first_steps=clean(r["first_steps"]),
            red_flags=clean(r["red_flags"]), source_url=clean(r["source_url"]),
            publisher=clean(r["publisher"]), retrieved_at=read_at,
            confidence=confidence(r["verdict"], r["source_date"], r["publisher"]))
        rows.append((row, "jobs/jobs.csv row %d (%s)" % (i + 2, row["name"])))
    return rows


# --------------------------------------------------------------------------
# Video file: every row of videos/videos.csv (read_at_url goes to SOURCES.md).

def video_rows(src, read_at):
    rows = []
    for i, r in enumerate(read_table(os.path.join(src, "videos", "videos.csv"))):
        row = OrderedDict((k, clean(r[k])) for k in VIDEO_COLUMNS[:-1])
        row["retrieved_at"] = read_at
        if row["category"] not in VIDEO_CATEGORIES:
            raise SystemExit("unknown video category: " + row["category"])
        rows.append((row, "videos/videos.csv row %d (%s; read on %s)"
                     % (i + 2, row["url"], clean(r["read_at_url"]))))
    return rows


# --------------------------------------------------------------------------
# Every phone number and web address written into the files must be one that a
# source table holds (or that this script records in READ_DURING_BUILD), unless
# the row is needs-check and names its own source page.

URL_RE = re.compile(r"https?://[^\s,;()\"']+")


def url_key(url):
    u = url.lower().split("://", 1)[-1]
    u = u[4:] if u.startswith("www.") else u
    return u.rstrip("/.")


def audit_contacts(src, here, files):
    texts = []
    for folder, _, names in os.walk(src):
        for name in names:
            if name.endswith((".csv", ".txt", ".json", ".yaml", ".md")):
                with open(os.path.join(folder, name), encoding="utf-8", errors="replace") as f:
                    texts.append(f.read())
    with open(os.path.abspath(__file__), encoding="utf-8") as f:
        build = f.read()
    build = build[build.index("READ_DURING_BUILD = {"):build.index("NATIONAL_RENAMES = {")]
    texts.append(build)
    known = "\n".join(texts)
    phones = phones_in(known)
    pages = known.lower().replace("://www.", "://").replace(" www.", " ")
    problems = []
    for fname, _, rows, _ in files:
        for row, origin in rows:
            if row.get("confidence") == "needs-check" and row.get("source_url"):
                continue
            for col, text in row.items():
                if col in ("source_url", "pay_source_url", "retrieved_at"):
                    continue
                for number in phones_in(text):
                    if number not in phones:
                        problems.append("%s %s: number %s in %s" % (fname, origin, number, col))
                for url in URL_RE.findall(text):
                    if url_key(url) not in pages:
                        problems.append("%s %s: address %s in %s" % (fname, origin, url, col))
    if problems:
        raise SystemExit("not in any source table:\n  " + "\n  ".join(problems))


# --------------------------------------------------------------------------
# The Data-checked screen's list of gaps counts rest-area rows by the kind of
# their only source; the counts must be those of the file written here.

def rest_area_sources(parking):
    states = [r for r, _ in parking if r["jurisdiction_type"] == "state"]
    private = sum("(private compilation)" in r["publisher"] for r in states)
    guides = sum("(consumer guide)" in r["publisher"] for r in states)
    news = sum(bool(re.search(r"\bnews\b|\bradio\b", r["publisher"], re.I)) for r in states)
    return private, guides, news


def check_gaps(repo, parking):
    path = os.path.join(repo, "screens", "DataCheckedGaps.cpp")
    if not os.path.exists(path):
        return
    with open(path, encoding="utf-8") as f:
        text = f.read()
    private, guides, news = rest_area_sources(parking)
    m = re.search(r"Rest-area rules for (\d+) states come only from a private summary, and for (\d+) "
                  r"more only from consumer guides\..*?For (\d+) states they come only from news", text)
    if not m or tuple(map(int, m.groups())) != (private, guides, news):
        raise SystemExit("screens/DataCheckedGaps.cpp: the rest-area sentence must give %d, %d and %d"
                         % (private, guides, news))


# --------------------------------------------------------------------------
# Writing

def cell(text):
    if any(ch in text for ch in ',"\n\r'):
        return '"' + text.replace('"', '""') + '"'
    return text


def write_csv(path, columns, rows):
    lines = [",".join(columns)]
    for row in rows:
        if list(row.keys()) != columns:
            raise SystemExit("columns out of order in " + path)
        lines.append(",".join(cell(row[c]) for c in columns))
    data = "\n".join(lines) + "\n"
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(data)
    return data


COUNT_RE = re.compile(r",\d{4}-\d{2}-\d{2},(verified-official|verified-secondary|needs-check)")
WATCH_RE = re.compile(r"www\.youtube\.com/watch\?v=")


def check_file(name, text, rows, video=False):
    found = len((WATCH_RE if video else COUNT_RE).findall(text))
    if found != len(rows):
        raise SystemExit("%s: %d rows but %d counted from the text" % (name, len(rows), found))


def sources_md(counts, dates):
    c = counts
    return """# Where the shipped data comes from

Every row of the five files was written from a source table in the project's
`data-sources` folder by `scripts/make-data.py` (run it again to rebuild the
files). Each row names the page its facts were read on (`source_url`), who
published it, the day it was read (`retrieved_at`) and how well it is confirmed
(`confidence`). Nothing was filled in from memory: the build stops when a
phone number or web address in the files is in no source table, unless its row
is `needs-check` and names its own source page. The data was last checked on
**{check}**.

Confidence words: `verified-official` (read on the publisher's own page or data,
or a faithful copy whose pull date is known), `verified-secondary` (read on a
news report, a nonprofit's or another agency's page), `needs-check` (not
confirmed, sources disagree, the status is uncertain, the newest source is dated
before 2021, or the only source is a blog, consumer guide or private
compilation). The app marks every `needs-check` row "Unconfirmed: call or check
before you go".

No web link was tested live when this data was built, so `link_status` is empty
in every state row.

## national_resources.csv ({n_national} rows)

- `national/national.csv`: nationwide services for people living in a vehicle,
  compiled {check} from stored copies of public pages (each row's own page in
  `source_url`: agencies such as HRSA, SAMHSA, VA, FCC, FTC, USAGov, the 988
  Lifeline, United Way Worldwide, Feeding America, and secondary pages where no
  official one was stored). Facts are public; descriptions were written afresh.
- Names were adjusted so lookups find them ("No national car-repair program",
  "USAGov Benefit Finder", two shortened names); bare web addresses were given
  their https scheme.
- Second reading ({upgrade_date}, `upgrades/upgrades-2026-12.csv`): the Crisis
  Text Line was read on crisistextline.org and is `verified-official`; its cost
  is "Free", as the official pages say (an older page's carrier-rate caveat was
  not on them).
- Confidence: {conf_national}.

## state_resources.csv ({n_state} rows, 51 jurisdictions)

- 211, SNAP, Medicaid and unemployment insurance ({n_programs} rows):
  `state-programs/state_programs.csv`, compiled from stored public pages
  (state agencies, 211 operators, county governments, news reprints of agency
  releases, legal aid). Its SOURCE.txt gives no date; the table was compiled
  with the other tables, so `retrieved_at` is {state_read}. Each row's page is
  in `source_url`. Where no phone or website was confirmed, the row says to
  dial 2-1-1.
- Second reading ({upgrade_date}, `upgrades/upgrades-2026-12.csv`, read on the
  agencies' and 211 operators' own pages), applied as its SOURCE.txt says:
  {n_upgraded_state} rows became `verified-official` (some after a detail the
  official page does not show was trimmed, such as Alabama 211's second name);
  Florida's SNAP and Medicaid phone is (850) 300-4323, the automated line on
  the current DCF page; New Hampshire's unemployment row says its 1-800 number
  is only for people outside the state without internet; NJ FamilyCare gets the
  hours of its older official page. Rows it flags for re-checking stay
  `needs-check`, and Hawaii 211, whose text route the pages give two ways, is
  now `needs-check`.
- Hours, TTY lines and who a number is for come from the state-programs note
  of the same row, in plain words, kept by hand in `scripts/state-notes.csv`
  ({n_notes} rows); each line quotes the note it came from. Hours from a page
  older than 2021 give the year.
- Homeless-services contacts ({n_coc} rows, one per Continuum of Care of the 50
  states and DC): US Department of Housing and Urban Development, HUD Resource
  Locator (https://resources.hud.gov/, public domain), pulled {coc_date} and
  published in the SUCCURRO dataset by Kara Zajac
  (github.com/KaraZajac/SUCCURRO, CC BY-NC 4.0; non-commercial use). The
  contact is the lead agency's office line, not a crisis line. CoCs without a
  contact in the locator come from HUD's HMIS CSV code list (FY2024 = FY2026)
  as kept in github.com/greenriver/hmis-warehouse (GPL-3.0 repository; the codes
  and names are facts from a US government code list); they say to dial
  2-1-1 and are marked `needs-check`.
- Food banks ({n_fb} rows): Feeding America's "Find your local food bank"
  directory (https://www.feedingamerica.org/find-your-local-foodbank; no open
  licence, names, phones and addresses are facts), pulled {fa_date} and
  published in the SUCCURRO dataset (CC BY-NC 4.0). Credit both. No member food
  bank is based in Wyoming; its row points to the finder and to 2-1-1.
- Puerto Rico and the other territories in these sources are left out (the app
  covers the 50 states and DC).
- Rows by category: {cat_state}.
- Confidence: {conf_state}.

## camping_parking_rules.csv ({n_parking} rows)

- `parking/parking.csv`, compiled {check}: one highway rest-area row per state
  and DC, plus nationwide rows (BLM, National Forests, Bureau of Reclamation,
  private lots, highway shoulders, safe parking). Sources: state DOT pages,
  statutes and administrative codes (Cornell LII, Justia, state legislatures),
  news reports, and the Boondockers Bible private compilation (boondockersbible.com),
  whose rows are all `needs-check`.
- Read during this build, {build}: the Iowa, Missouri and Rhode Island rows,
  43 CFR 423.33 for Reclamation lands, and a consumer guide for private lots
  (each page in its row). No source was found for the District of Columbia; its
  row has no `source_url` and is `needs-check`.
- Confidence: {conf_parking}.

## jobs_and_income.csv ({n_jobs} rows)

- `jobs/jobs.csv`, compiled {check}: pay figures are employees' pay from the
  U.S. Bureau of Labor Statistics (OEWS and the Occupational Outlook Handbook;
  two via Minnesota DEED pages showing U.S. OEWS data, one via a copy of the
  Handbook), with the page in `pay_source_url`; scam warnings from the Federal
  Trade Commission; campground hosting from the Bureau of Land Management.
- Confidence: {conf_jobs}.

## video_library.csv ({n_videos} rows)

- `videos/videos.csv`, compiled {video_date}: YouTube watch links whose id,
  title and maker were read together on a stored page (Denver Health via
  youtor.org, Gwinnett Medical Center via videodb.org, UNLV on unlv.edu, and
  two USAGov voting guides embedded in USA.gov's own pages as kept in the
  public copy github.com/usagov/usagov-archive-2023, 2023). No video was
  played; links only, no video content copied.

## Read during this build ({build})

- Iowa Medicaid: https://hhs.iowa.gov/medicaid/apply-medicaid (Iowa HHS; apply
  by phone 1-855-889-7985). A legal-aid page gives another number; the second
  reading confirmed phone, web and agency on the HHS page, so the row is
  `verified-official`.
- Nevada Medicaid: a copy of the DWSS application form 2920-EM on fill.io.
- Iowa SNAP: no page was found; the row gives the dial-2-1-1 route and cites
  the source of Iowa's 211 row. It is `needs-check`.
- The parking rows named above.
""".format(
        check=dates["check"], build=BUILD_READ_DATE, state_read=STATE_PROGRAMS_READ,
        upgrade_date=dates["upgrades"], n_upgraded_state=c["upgraded_state"], n_notes=c["notes"],
        coc_date=dates["coc"], fa_date=dates["fa"], video_date=dates["video"],
        n_national=c["national"]["rows"], n_state=c["state"]["rows"],
        n_parking=c["parking"]["rows"], n_jobs=c["jobs"]["rows"], n_videos=c["videos"]["rows"],
        n_programs=c["state"]["cat"]["211"] + c["state"]["cat"]["snap_application"]
        + c["state"]["cat"]["medicaid_application"] + c["state"]["cat"]["unemployment_insurance"],
        n_coc=c["state"]["cat"]["coc_homeless_contact"], n_fb=c["state"]["cat"]["food_bank"],
        cat_state=", ".join("%s %d" % kv for kv in c["state"]["cat"].items()),
        conf_national=conf_text(c["national"]["conf"]), conf_state=conf_text(c["state"]["conf"]),
        conf_parking=conf_text(c["parking"]["conf"]), conf_jobs=conf_text(c["jobs"]["conf"]))


def conf_text(counter):
    return ", ".join("%s %d" % (w, counter.get(w, 0)) for w in CONFIDENCE_WORDS)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    repo = os.path.dirname(here)
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("sources", nargs="?", default=os.path.join(repo, "..", "shared", "data-sources"))
    ap.add_argument("--out", default=os.path.join(repo, "resources", "data"))
    ap.add_argument("--trace", nargs="+", type=int, metavar=("N", "SEED"))
    ap.add_argument("--changes", action="store_true",
                    help="print what the upgrades and the notes table change, and write nothing")
    args = ap.parse_args()
    src = os.path.abspath(args.sources)

    dates = dict(
        national=checked_date(os.path.join(src, "national", "SOURCE.txt")),
        parking=checked_date(os.path.join(src, "parking", "SOURCE.txt")),
        jobs=checked_date(os.path.join(src, "jobs", "SOURCE.txt")),
        video=checked_date(os.path.join(src, "videos", "SOURCE.txt")),
        coc=yaml_value(os.path.join(src, "succurro-coc-contacts", "source-record.yaml"), "retrieved_on"),
        fa=yaml_value(os.path.join(src, "succurro-feeding-america", "source-record.yaml"), "retrieved_on"))

    overlay = os.path.join(here, "state-notes.csv")
    state = state_rows(src, overlay)
    national = national_rows(src, dates["national"])
    changes = apply_upgrades(src, {"national_resources.csv": national, "state_resources.csv": state})
    if args.trace:
        n = args.trace[0]
        seed = args.trace[1] if len(args.trace) > 1 else 1
        for row, origin in random.Random(seed).sample(state, n):
            print("%s | %s | %s | %s | %s\n    <- %s" % (row["state"], row["category"], row["name"],
                  row["phone"] or "-", row["confidence"], origin))
        return
    if args.changes:
        for key, what, where in changes:
            print("%s | %s\n    <- %s" % (key, what, where))
        for row, origin in state:
            if row["hours"] or row["eligibility_notes"]:
                print("%s | %s | hours: %s | notes: %s\n    <- %s" % (
                    row["state"], row["category"], row["hours"] or "-",
                    row["eligibility_notes"] or "-", origin))
        return

    state_names = [r["state_name"] for r, _ in state if r["category"] == "211"]
    files = [
        ("national_resources.csv", NATIONAL_COLUMNS, national, "national"),
        ("state_resources.csv", STATE_COLUMNS, state, "state"),
        ("camping_parking_rules.csv", PARKING_COLUMNS, parking_rows(src, dates["parking"], state_names), "parking"),
        ("jobs_and_income.csv", JOBS_COLUMNS, jobs_rows(src, dates["jobs"]), "jobs"),
        ("video_library.csv", VIDEO_COLUMNS, video_rows(src, dates["video"]), "videos"),
    ]
    audit_contacts(src, here, files)
    check_gaps(repo, files[2][2])
    os.makedirs(args.out, exist_ok=True)
    counts = {}
    latest = ""
    for fname, columns, rows, key in files:
        plain = [r for r, _ in rows]
        text = write_csv(os.path.join(args.out, fname), columns, plain)
        check_file(fname, text, plain, video=(key == "videos"))
        counts[key] = dict(rows=len(plain),
                           conf=Counter(r.get("confidence", "") for r in plain),
                           cat=Counter(r["category"] for r in plain) if key == "state" else None)
        latest = max([latest] + [r["retrieved_at"] for r in plain])
        print("%-28s %4d rows  %s" % (fname, len(plain),
              conf_text(counts[key]["conf"]) if key != "videos" else "(videos)"))
    dates["check"] = latest
    dates["upgrades"] = upgrade_read_date(os.path.join(src, "upgrades", "SOURCE.txt"))
    counts["upgraded_state"] = len({k for k, what, _ in changes
                                    if "|" in k and what.endswith("-> 'verified-official'")})
    counts["notes"] = sum(1 for _, origin in state if "hours and notes from its note" in origin)
    with open(os.path.join(args.out, "SOURCES.md"), "w", encoding="utf-8", newline="") as f:
        f.write(sources_md(counts, dates))
    print("state rows by category: " + ", ".join("%s %d" % kv for kv in counts["state"]["cat"].items()))
    print("data check date (latest retrieved_at): " + latest)


if __name__ == "__main__":
    sys.exit(main())
