#!/usr/bin/python3
"""kalumo-cli senden against a real SMTP server on 127.0.0.1 (aiosmtpd), started here.

Usage: versand_smtp_pruefen.py KALUMO_BEISPIEL KALUMO_CLI ARBEITSORDNER FALL
FALL: alles | abweisen | passwort | eml | tls | voruebergehend | trennen | 421

The expectation is worked out independently of the mail code: families and their entries
from the calendar files of `kalumo-cli termine` (read with icalendar), addresses from the
rule kalumo-beispiel --adressen documents (letters without accents, other characters as
dots), each mail parsed by Python's email package.
"""
import asyncio
import email
import email.header
import email.policy
import email.utils
import glob
import os
import re
import shutil
import socket
import subprocess
import sys
import unicodedata

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult
import icalendar

BEISPIEL, CLI, ORDNER, FALL = sys.argv[1:5]
DATUM = "2026-03-04"
SCHULE = "Gesamtschule Süd-Öhringen"
ABSENDER = "sekretariat@gesamtschule-sued.example.org"
EPOCH = "1767225600"


def fehler(text):
    print("FEHLER:", text)
    sys.exit(1)


def adresse(name, domain):
    a = "".join(c.lower() for c in unicodedata.normalize("NFKD", name) if ord(c) < 0x80)
    a = re.sub("[^a-z0-9]+", ".", a).strip(".")
    return (a or "x") + "@" + domain


def lauf(*args, rc=None, env=None):
    e = dict(env if env is not None else os.environ, SOURCE_DATE_EPOCH=EPOCH)
    p = subprocess.run(list(args), capture_output=True, text=True, env=e, timeout=300)
    if rc is not None and p.returncode != rc:
        fehler(f"{args[1] if len(args) > 1 else args[0]}: Status {p.returncode} statt {rc}\n{p.stdout}\n{p.stderr}")
    return p


class Sammler:
    def __init__(self, abweisen=(), spaeter=None, stoerung=None, ab=10, wie_oft=-1):
        self.mails = []
        self.abweisen = set(abweisen)
        # address -> how many RCPTs are answered "451" before it is taken (-1: never)
        self.spaeter = dict(spaeter or {})
        self.versuche = {}
        # After `ab` accepted mails the next `wie_oft` attempts (-1: all) are disturbed:
        # "trennen" drops the connection after the message's data came in, before any
        # answer; "421" answers MAIL FROM with 421 and closes the connection.
        self.stoerung, self.ab, self.wie_oft = stoerung, ab, wie_oft
        self.gestoert = 0

    def stoere(self, art):
        if self.stoerung != art or len(self.mails) < self.ab:
            return False
        if self.wie_oft >= 0 and self.gestoert >= self.wie_oft:
            return False
        self.gestoert += 1
        return True

    async def handle_MAIL(self, server, session, envelope, address, mail_options):
        if self.stoere("421"):
            asyncio.get_running_loop().call_soon(server.transport.close)
            return "421 4.7.0 Zu viele Mails, Verbindung wird geschlossen"
        envelope.mail_from = address
        envelope.mail_options.extend(mail_options)
        return "250 OK"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        self.versuche[address] = self.versuche.get(address, 0) + 1
        n = self.spaeter.get(address)
        if n is not None and (n < 0 or self.versuche[address] <= n):
            return "451 4.3.0 Bitte später noch einmal"
        if address in self.abweisen:
            return "550 5.1.1 Postfach unbekannt"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.stoere("trennen"):
            server.transport.close()
            return "451 4.3.0 nie gesendet"
        self.mails.append((envelope.mail_from, list(envelope.rcpt_tos), envelope.content))
        return "250 2.0.0 angenommen"


def freier_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def starte(sammler, passwort=None, tls=None):
    port = freier_port()
    kw = {}
    if tls is not None:
        kw = dict(tls_context=tls, require_starttls=True)
    if passwort is not None:
        def pruefe(server, session, envelope, mechanism, auth_data):
            ok = auth_data.login == b"schule" and auth_data.password == passwort.encode()
            return AuthResult(success=ok, handled=False)
        kw = dict(authenticator=pruefe, auth_required=True, auth_require_tls=False)
    c = Controller(sammler, hostname="127.0.0.1", port=port, **kw)
    c.start()
    # Ready when the port answers: a bounded poll, no fixed wait.
    for _ in range(200):
        try:
            with socket.create_connection(("127.0.0.1", port), timeout=5) as s:
                if s.recv(3) == b"220":
                    break
        except OSError:
            continue
    else:
        fehler("Der Testserver meldet sich nicht")
    return c, port


def familien(kalender_ordner):
    """ics file name -> (bytes, set of entries, talks as (hh:mm, teacher, entry))"""
    f = {}
    for pfad in glob.glob(os.path.join(kalender_ordner, "*.ics")):
        daten = open(pfad, "rb").read()
        cal = icalendar.Calendar.from_ical(daten)
        termine = [(ev.decoded("DTSTART").strftime("%H:%M"), str(ev.get("SUMMARY"))[len("Elternsprechtag: "):],
                    str(ev.get("DESCRIPTION"))[len("Für "):]) for ev in cal.walk("VEVENT")]
        f[os.path.basename(pfad)] = (daten, {t[2] for t in termine}, termine)
    return f


def einfach(text):
    return " ".join(text.split())


def pdf_seiten_text(daten, name):
    """(pages, text with blanks collapsed) of a PDF attachment, read by poppler's tools."""
    pfad = os.path.join(ORDNER, "anhang.pdf")
    open(pfad, "wb").write(daten)
    info = subprocess.run(["pdfinfo", pfad], capture_output=True, text=True, timeout=60)
    seiten = re.search(r"^Pages:\s+(\d+)", info.stdout, re.M)
    if info.returncode != 0 or not seiten:
        fehler(f"{name!r} ist kein lesbares PDF: {info.stderr}")
    text = subprocess.run(["pdftotext", "-layout", pfad, "-"], capture_output=True, text=True, timeout=60).stdout
    return int(seiten.group(1)), einfach(text)


def pruefe_pdf(m, erwarteter_name, zeilen):
    """Exactly one PDF attachment named so, one page, every line in `zeilen` in its text."""
    pdf = [a for a in m.iter_attachments() if a.get_content_type() == "application/pdf"]
    if len(pdf) != 1 or pdf[0].get_filename() != erwarteter_name:
        fehler(f"statt eines PDF {erwarteter_name!r}: {[a.get_filename() for a in pdf]}")
    seiten, text = pdf_seiten_text(pdf[0].get_payload(decode=True), erwarteter_name)
    if seiten != 1:
        fehler(f"{erwarteter_name!r} hat {seiten} Seiten")
    for z in zeilen:
        if einfach(z) not in text:
            fehler(f"{erwarteter_name!r} enthält {z!r} nicht:\n{text}")


def pruefe_mail(roh, fam, gesehen):
    m = email.message_from_bytes(roh, policy=email.policy.default)
    for k in ("Message-ID", "Date", "From", "To", "Subject"):
        if m[k] is None:
            fehler(f"Kopfzeile {k} fehlt")
    if m["Date"].datetime is None or m["Date"].datetime.utcoffset() is None:
        fehler(f"Datum nicht lesbar: {m['Date']}")
    if not re.fullmatch(r"<[^<>@\s]+@gesamtschule-sued\.example\.org>", str(m["Message-ID"])):
        fehler(f"Message-ID falsch: {m['Message-ID']}")
    if m["From"].addresses[0].display_name != SCHULE or m["From"].addresses[0].addr_spec != ABSENDER:
        fehler(f"Absender falsch: {m['From']}")
    if m["Subject"] != "Elternsprechtag am Mittwoch, 04.03.2026: Ihre Termine":
        fehler(f"Betreff falsch: {m['Subject']!r}")
    anhaenge = [t for t in m.iter_attachments()]
    ics = [a for a in anhaenge if a.get_content_type() == "text/calendar"]
    if len(ics) != 1:
        fehler("nicht genau eine Kalenderdatei im Anhang")
    name = ics[0].get_filename()
    if name not in fam:
        fehler(f"Anhang {name!r} ist keine exportierte Kalenderdatei")
    if name in gesehen:
        fehler(f"Familie {name!r} bekam zwei Mails")
    gesehen.add(name)
    daten, eintraege, termine = fam[name]
    # On paper each talk is the line "hh:mm Uhr: teacher" in the plan of its entry.
    pruefe_pdf(m, name[:-len(".ics")] + ".pdf", list(eintraege) + [f"{z} Uhr: {l}" for z, l, _ in termine])
    if ics[0].get_payload(decode=True) != daten:
        fehler(f"Anhang {name!r} weicht von der exportierten Datei ab")
    an = {a.addr_spec for a in m["To"].addresses}
    erwartet = {adresse(e, "eltern.example.org") for e in eintraege}
    if an != erwartet:
        fehler(f"Empfänger von {name!r}: {an} statt {erwartet}")
    # The display name decoded as RFC 2047 says (adjacent encoded words joined without the
    # blank between them; the default policy's address parser keeps that blank).
    roh_an = email.message_from_bytes(roh)["To"]
    anzeige = str(email.header.make_header(email.header.decode_header(email.utils.getaddresses([roh_an])[0][0])))
    if not all(e in anzeige for e in eintraege) or len(anzeige) != sum(map(len, eintraege)) + 2 * (len(eintraege) - 1):
        fehler(f"Name im To {anzeige!r} passt nicht zu {eintraege}")
    text = m.get_body(("plain",)).get_content()
    if SCHULE not in text or "04.03.2026" not in text:
        fehler("Text ohne Schule oder Datum")
    return an


def protokoll(pfad):
    if not os.path.exists(pfad):
        return []
    zeilen = open(pfad, encoding="utf-8-sig", newline="").read().split("\r\n")
    if zeilen[0] != "Zeit;Empfänger;Was;Prüfwert;Ergebnis;Serverantwort":
        fehler("Kopf des Protokolls falsch")
    return [z.split(";") for z in zeilen[1:] if z]


shutil.rmtree(ORDNER, ignore_errors=True)
os.makedirs(ORDNER)
tag = os.path.join(ORDNER, "herbst.qvt")
lauf(BEISPIEL, "--lehrer", "6", "--eltern", "40", "--adressen", os.path.join(ORDNER, "roh.qvt"), rc=0)
lauf(CLI, "berechnen", os.path.join(ORDNER, "roh.qvt"), tag, rc=0)
lauf(CLI, "termine", tag, os.path.join(ORDNER, "export"), "--datum", DATUM, rc=0)
fam = familien(os.path.join(ORDNER, "export", "Kalender"))
if len(fam) < 5:
    fehler(f"zu wenige Familien: {len(fam)}")
alle_adressen = set()
for _, e, _ in fam.values():
    alle_adressen |= {adresse(x, "eltern.example.org") for x in e}
log = os.path.join(ORDNER, "herbst.versand.csv")
senden = [CLI, "senden", tag, "--an", "eltern", "--datum", DATUM, "--absender", ABSENDER, "--absendername", SCHULE,
          "--tls", "keine", "--host", "127.0.0.1", "--pause", "0"]

if FALL == "eml":
    lauf(*senden, "--eml", os.path.join(ORDNER, "eml"), rc=0)
    gesehen = set()
    for pfad in sorted(glob.glob(os.path.join(ORDNER, "eml", "*.eml"))):
        pruefe_mail(open(pfad, "rb").read(), fam, gesehen)
    if gesehen != set(fam):
        fehler("nicht jede Familie hat eine .eml-Datei")
    if os.path.exists(log):
        fehler("--eml schreibt kein Versandprotokoll")
    # Teachers: the door sheet lists each talk as "hh:mm" and the entry.
    je_lehrer = {}
    for _, _, termine in fam.values():
        for z, l, e in termine:
            je_lehrer.setdefault(l, []).append(f"{z} {e}")
    lauf(*[a if a != "eltern" else "lehrer" for a in senden], "--eml", os.path.join(ORDNER, "eml_lehrer"), rc=0)
    gesehen = set()
    for pfad in sorted(glob.glob(os.path.join(ORDNER, "eml_lehrer", "*.eml"))):
        m = email.message_from_bytes(open(pfad, "rb").read(), policy=email.policy.default)
        lehrer = m["To"].addresses[0].display_name
        if lehrer not in je_lehrer or lehrer in gesehen:
            fehler(f"Mail an {lehrer!r} unerwartet")
        gesehen.add(lehrer)
        datei = "Türliste " + lehrer + ".pdf"
        pruefe_pdf(m, datei, je_lehrer[lehrer])
    if gesehen != set(je_lehrer):
        fehler(f"Lehrkräfte ohne Mail: {set(je_lehrer) - gesehen}")

elif FALL == "alles":
    # 6 teachers and 40 entries, each one address; kept through the computation.
    if "  E-Mail-Adressen: 46\n" not in lauf(CLI, "info", tag, rc=0).stdout:
        fehler("info zählt die Adressen nicht")
    s = Sammler()
    c, port = starte(s)
    p = lauf(*senden, "--port", str(port), rc=0)
    c.stop()
    gesehen = set()
    for von, rcpt, roh in s.mails:
        an = pruefe_mail(roh, fam, gesehen)
        if set(rcpt) != an or von != ABSENDER:
            fehler(f"Umschlag {von} {rcpt} passt nicht zu den Kopfzeilen {an}")
    if gesehen != set(fam):
        fehler(f"{len(gesehen)} von {len(fam)} Familien bekamen eine Mail")
    z = protokoll(log)
    if sorted(x[1] for x in z if x[4] == "versendet") != sorted(alle_adressen):
        fehler("Protokoll nennt nicht genau die Empfänger")
    if f"{len(fam)} von {len(fam)} Nachrichten versendet." not in p.stdout:
        fehler("Zusammenfassung falsch:\n" + p.stdout)
    # A second run with --nur-neue sends nothing.
    s2 = Sammler()
    c, port = starte(s2)
    p = lauf(*senden, "--port", str(port), "--nur-neue", rc=0)
    c.stop()
    if s2.mails or f"{len(fam)} waren schon versendet" not in p.stdout:
        fehler("zweiter Lauf mit --nur-neue hat erneut gesendet:\n" + p.stdout)

elif FALL == "abweisen":
    opfer = sorted(alle_adressen)[len(alle_adressen) // 2]
    s = Sammler(abweisen={opfer})
    c, port = starte(s)
    p = lauf(*senden, "--port", str(port), rc=1)
    c.stop()
    empfangen = [a for _, rcpt, _ in s.mails for a in rcpt]
    if sorted(empfangen) != sorted(alle_adressen - {opfer}):
        fehler("ohne den abgewiesenen Empfänger ging nicht alles andere hinaus")
    z = protokoll(log)
    abgewiesen = [x for x in z if x[4] == "abgewiesen"]
    if len(abgewiesen) != 1 or abgewiesen[0][1] != opfer or "550" not in abgewiesen[0][5]:
        fehler(f"Protokoll der Abweisung falsch: {abgewiesen}")
    if opfer in [x[1] for x in z if x[4] == "versendet"]:
        fehler("abgewiesener Empfänger als versendet protokolliert")
    if "Nicht zugestellt (1):" not in p.stdout or opfer not in p.stdout:
        fehler("Zusammenfassung nennt die Abweisung nicht:\n" + p.stdout)
    # Resumed: exactly the rest goes out, to exactly that recipient.
    s2 = Sammler()
    c, port = starte(s2)
    lauf(*senden, "--port", str(port), "--nur-neue", rc=0)
    c.stop()
    if [rcpt for _, rcpt, _ in s2.mails] != [[opfer]]:
        fehler(f"Wiederaufnahme sendete {[rcpt for _, rcpt, _ in s2.mails]} statt nur {opfer}")
    # What a resumed run sends is the whole mail, its plan drawn although others are skipped.
    pruefe_mail(s2.mails[0][2], fam, set())

elif FALL == "passwort":
    s = Sammler()
    c, port = starte(s, passwort="richtig")
    pw = os.path.join(ORDNER, "passwort.txt")
    # No password file and no keyring to ask: refused before anything is sent.
    ohne_bund = {k: v for k, v in os.environ.items() if k != "DISPLAY"}
    ohne_bund["DBUS_SESSION_BUS_ADDRESS"] = "disabled:"
    p = lauf(*senden, "--port", str(port), "--benutzer", "schule", rc=1, env=ohne_bund)
    if s.mails or "Für den Benutzer „schule“ fehlt das Passwort" not in p.stderr or "--passwortdatei" not in p.stderr:
        fehler("ohne Passwort und Schlüsselbund nicht abgewiesen:\n" + p.stderr)
    open(pw, "w").write("falsch\n")
    p = lauf(*senden, "--port", str(port), "--benutzer", "schule", "--passwortdatei", pw, rc=1)
    if s.mails or any(x[4] == "versendet" for x in protokoll(log)):
        fehler("trotz abgelehnter Anmeldung gesendet oder protokolliert")
    if "Der Mailserver hat die Anmeldung abgelehnt: Benutzer oder Passwort ist falsch" not in p.stderr:
        fehler("keine deutsche Meldung zur Anmeldung:\n" + p.stderr)
    open(pw, "w").write("richtig\n")
    lauf(*senden, "--port", str(port), "--benutzer", "schule", "--passwortdatei", pw, rc=0)
    c.stop()
    if len(s.mails) != len(fam):
        fehler("mit richtigem Passwort nicht alles gesendet")
elif FALL == "voruebergehend":
    einzeln = sorted(adresse(next(iter(e)), "eltern.example.org") for _, e, _ in fam.values() if len(e) == 1)
    klappt, nie = einzeln[0], einzeln[1]
    # In a family with two addresses one is taken at once, the other only at its third
    # try: that one gets the mail later, the first never twice.
    paar = sorted(sorted(adresse(x, "eltern.example.org") for x in e) for _, e, _ in fam.values() if len(e) == 2)[0]
    s = Sammler(spaeter={klappt: 2, nie: -1, paar[1]: 2})
    c, port = starte(s)
    p = lauf(*senden, "--port", str(port), rc=1)
    c.stop()
    empfangen = sorted(a for _, rcpt, _ in s.mails for a in rcpt)
    if empfangen != sorted(alle_adressen - {nie}):
        fehler("nach vorübergehenden Fehlern nicht genau die anderen zugestellt")
    if s.versuche[klappt] != 3 or s.versuche[nie] != 3 or s.versuche[paar[1]] != 3 or s.versuche[paar[0]] != 1:
        fehler(f"Versuche: {s.versuche} statt je 3 (und einer für {paar[0]})")
    z = protokoll(log)
    if [x[4] for x in z if x[1] == nie] != ["fehlgeschlagen"] or [x[4] for x in z if x[1] in (klappt, *paar)] != ["versendet"] * 3:
        fehler("Protokoll der vorübergehenden Fehler falsch")
    if "451" not in [x for x in z if x[1] == nie][0][5] or "Nicht zugestellt (1):" not in p.stdout:
        fehler("Serverantwort oder Zusammenfassung fehlt:\n" + p.stdout)

elif FALL in ("trennen", "421"):
    # Passing: the trouble comes twice, the third try on a new connection goes through;
    # every family exactly once.
    s = Sammler(stoerung=FALL, wie_oft=2)
    c, port = starte(s)
    lauf(*senden, "--port", str(port), rc=0)
    c.stop()
    if s.gestoert != 2 or sorted(a for _, rcpt, _ in s.mails for a in rcpt) != sorted(alle_adressen):
        fehler(f"nach {s.gestoert} Störungen nicht jede Adresse genau einmal erreicht")
    if sorted(x[1] for x in protokoll(log) if x[4] == "versendet") != sorted(alle_adressen):
        fehler("Protokoll nach vorübergehender Störung falsch")
    os.remove(log)
    # Lasting: after ten mails nothing more is taken. The log shows exactly what the server
    # took as sent, everything else as failed with the reason.
    s = Sammler(stoerung=FALL)
    c, port = starte(s)
    p = lauf(*senden, "--port", str(port), rc=1)
    c.stop()
    angekommen = sorted(a for _, rcpt, _ in s.mails for a in rcpt)
    if len(s.mails) != 10:
        fehler(f"{len(s.mails)} statt 10 Mails angekommen")
    z = protokoll(log)
    if sorted(x[1] for x in z if x[4] == "versendet") != angekommen:
        fehler("Protokoll nennt andere als die angekommenen Empfänger als versendet")
    rest = sorted(alle_adressen - set(angekommen))
    fehlgeschlagen = [x for x in z if x[4] == "fehlgeschlagen"]
    if sorted(x[1] for x in fehlgeschlagen) != rest or len(z) != len(alle_adressen):
        fehler("nicht jeder übrige Empfänger genau einmal als fehlgeschlagen protokolliert")
    grund = "421 4.7.0" if FALL == "421" else \
        "Verbindung zum Mailserver gestört: die Verbindung wurde getrennt, bevor der Server geantwortet hat"
    if not all(grund in x[5] for x in fehlgeschlagen):
        fehler(f"Serverantwort ohne {grund!r}: {fehlgeschlagen[0]}")
    if f"10 von {len(fam)} Nachrichten versendet." not in p.stdout or \
            f"Nicht zugestellt ({len(rest)}):" not in p.stdout or not all(a in p.stdout for a in rest):
        fehler("Zusammenfassung falsch:\n" + p.stdout)
    # Resumed: exactly the rest, each once.
    s2 = Sammler()
    c, port = starte(s2)
    p = lauf(*senden, "--port", str(port), "--nur-neue", rc=0)
    c.stop()
    if sorted(a for _, rcpt, _ in s2.mails for a in rcpt) != rest:
        fehler("Wiederaufnahme sendete nicht genau den Rest")
    gesehen = set()
    for _, _, roh in s2.mails:
        pruefe_mail(roh, fam, gesehen)
    if f"{len(fam) - len(s2.mails)} waren schon versendet" not in p.stdout:
        fehler("Zusammenfassung der Wiederaufnahme falsch:\n" + p.stdout)

elif FALL == "tls":
    import ssl
    zert, schluessel = os.path.join(ORDNER, "server.pem"), os.path.join(ORDNER, "server.key")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", schluessel, "-out", zert,
                    "-days", "2", "-subj", "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"],
                   check=True, capture_output=True, timeout=120)
    ctx = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    ctx.load_cert_chain(zert, schluessel)
    ohne_tls = [a for a in senden if a not in ("--tls", "keine")]
    s = Sammler()
    c, port = starte(s, tls=ctx)
    # A certificate nobody vouches for: refused, nothing sent, no bypass.
    p = lauf(*ohne_tls, "--tls", "starttls", "--port", str(port), rc=1)
    if s.mails or "Zertifikat" not in p.stderr:
        fehler("unbestätigtes Zertifikat nicht abgewiesen:\n" + p.stderr)
    # Vouched for, but for another name than the one connected to: refused as well.
    auf_namen = [a if a != "127.0.0.1" else "localhost" for a in ohne_tls]
    p = lauf(*auf_namen, "--tls", "starttls", "--port", str(port), "--ca", zert, rc=1)
    if s.mails or "das Zertifikat gehört nicht zu diesem Server" not in p.stderr:
        fehler("Zertifikat für einen anderen Namen nicht abgewiesen:\n" + p.stderr)
    # The school's own authority given: everything goes out encrypted.
    lauf(*ohne_tls, "--tls", "starttls", "--port", str(port), "--ca", zert, rc=0)
    c.stop()
    if len(s.mails) != len(fam):
        fehler("über STARTTLS nicht alles angekommen")
else:
    fehler("unbekannter Fall " + FALL)
print("ok", FALL, len(fam), "Familien")
