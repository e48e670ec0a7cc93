#!/usr/bin/python3
"""Checks an appointment export independently of Kalumo's code: every calendar file is
parsed by Python's icalendar, its raw lines keep RFC 5545's form (CR LF, at most 75
octets, no character cut by a fold), start and end lie in Europe/Berlin with the right UTC
offset, and the calendar events are exactly the talks of Termine.csv (read with Python's
csv module).

    termine_ics_pruefen.py ORDNER JJJJ-MM-TT TAKT_MINUTEN [ANZAHL_KALENDER]
"""
import csv
import datetime
import io
import pathlib
import sys
from collections import Counter

import icalendar

try:
    from zoneinfo import ZoneInfo
except ImportError:  # pragma: no cover
    sys.exit("zoneinfo fehlt")


def fehler(text):
    print("FEHLER:", text)
    sys.exit(1)


def gleich(text):
    """A CSV field as the calendar holds it: line breaks as LF, a formula guard's
    apostrophe gone (the calendar shows the name as it is)."""
    text = text.replace("\r\n", "\n").replace("\r", "\n")
    if text[:2] in ("'=", "'+", "'-", "'@", "'\t", "'\n"):
        text = text[1:]
    return text


def raum(lehrer):
    zu = lehrer.rfind(")")
    auf = lehrer.rfind("(", 0, zu) if zu >= 0 else -1
    return lehrer[auf + 1:zu].strip() if auf >= 0 else ""


def main():
    ordner = pathlib.Path(sys.argv[1])
    tag = datetime.date.fromisoformat(sys.argv[2])
    takt = datetime.timedelta(minutes=int(sys.argv[3]))
    berlin = ZoneInfo("Europe/Berlin")

    roh = (ordner / "Termine.csv").read_bytes()
    if not roh.startswith(b"\xef\xbb\xbf"):
        fehler("Termine.csv beginnt nicht mit der UTF-8-Marke")
    # Every record ends in CR LF; a line break inside a quoted field belongs to the name.
    in_quotes = False
    for i, c in enumerate(roh):
        if c == 0x22:
            in_quotes = not in_quotes
        elif c == 0x0A and not in_quotes and (i == 0 or roh[i - 1] != 0x0D):
            fehler("Termine.csv hat Zeilenenden ohne CR")
    # newline="" keeps line breaks inside quoted fields as they are.
    zeilen = list(csv.reader(io.StringIO(roh.decode("utf-8-sig"), newline=""), delimiter=";"))
    if zeilen[0] != ["Datum", "Beginn", "Ende", "Lehrkraft", "Raum", "Eintrag"]:
        fehler("Kopfzeile: %r" % zeilen[0])
    erwartet = Counter()
    for datum, beginn, ende, lehrer, r, eintrag in zeilen[1:]:
        if datum != tag.strftime("%d.%m.%Y"):
            fehler("Datum %s statt %s" % (datum, tag.strftime("%d.%m.%Y")))
        lehrer, r, eintrag = gleich(lehrer), gleich(r), gleich(eintrag)
        if r != raum(lehrer):
            fehler("Raum %r zu %r" % (r, lehrer))
        start = datetime.datetime.combine(tag, datetime.time.fromisoformat(beginn), berlin)
        if (start + takt).strftime("%H:%M") != ende:
            fehler("Ende %s zu Beginn %s" % (ende, beginn))
        erwartet[(start, lehrer, r, eintrag)] += 1

    dateien = sorted((ordner / "Kalender").glob("*.ics"))
    if len(sys.argv) > 4 and len(dateien) != int(sys.argv[4]):
        fehler("%d Kalenderdateien statt %s" % (len(dateien), sys.argv[4]))
    gefunden = Counter()
    uids = set()
    for datei in dateien:
        daten = datei.read_bytes()
        if not daten.endswith(b"\r\n") or b"\n" in daten.replace(b"\r\n", b""):
            fehler("%s: Zeilen enden nicht auf CR LF" % datei.name)
        for zeile in daten.split(b"\r\n"):
            if len(zeile) > 75:
                fehler("%s: Zeile mit %d Oktetten" % (datei.name, len(zeile)))
            zeile.decode("utf-8")  # a fold inside a character would fail here
        kal = icalendar.Calendar.from_ical(daten)
        if str(kal["VERSION"]) != "2.0" or "PRODID" not in kal:
            fehler("%s: VERSION/PRODID" % datei.name)
        zonen = [z for z in kal.walk("VTIMEZONE")]
        if [str(z["TZID"]) for z in zonen] != ["Europe/Berlin"]:
            fehler("%s: VTIMEZONE fehlt" % datei.name)
        ereignisse = kal.walk("VEVENT")
        if not ereignisse:
            fehler("%s: keine Termine" % datei.name)
        for ev in ereignisse:
            uid = str(ev["UID"])
            if uid in uids:
                fehler("UID doppelt: " + uid)
            uids.add(uid)
            if not ev["DTSTAMP"].dt.tzinfo or ev["DTSTAMP"].dt.utcoffset() != datetime.timedelta(0):
                fehler("DTSTAMP nicht in UTC")
            if ev["DTSTART"].params.get("TZID") != "Europe/Berlin":
                fehler("DTSTART ohne TZID=Europe/Berlin")
            start = ev.decoded("DTSTART")
            ende = ev.decoded("DTEND")
            # The parser's offset must agree with the zone database's for that day.
            wand = start.replace(tzinfo=None)
            if start.utcoffset() != wand.replace(tzinfo=berlin).utcoffset():
                fehler("%s: Versatz %s am %s" % (datei.name, start.utcoffset(), wand))
            if ende - start != takt:
                fehler("%s: Dauer %s" % (datei.name, ende - start))
            summary = str(ev["SUMMARY"])
            if not summary.startswith("Elternsprechtag: "):
                fehler("SUMMARY %r" % summary)
            lehrer = summary[len("Elternsprechtag: "):]
            ort = str(ev.get("LOCATION", ""))
            eintrag = str(ev["DESCRIPTION"])[len("Für "):]
            if any(ord(c) < 0x20 and c not in "\t\n" or ord(c) == 0x7F for c in lehrer + ort + eintrag):
                fehler("%s: Steuerzeichen im Text" % datei.name)
            gefunden[(wand.replace(tzinfo=berlin), lehrer, ort, eintrag)] += 1

    if gefunden != erwartet:
        fehler("Kalender und Termine.csv weichen ab:\n nur CSV: %r\n nur Kalender: %r"
               % (list((erwartet - gefunden).items())[:5], list((gefunden - erwartet).items())[:5]))
    print("%d Termine in %d Kalenderdateien geprüft" % (sum(erwartet.values()), len(dateien)))


main()
