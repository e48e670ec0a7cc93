#!/usr/bin/env python3
"""Independent reference of Kalumo's timetable computation: random order of the parent
entries, grant passes over the requests, then each granted request placed at the first free
slot probing outwards from a hint, with plain lists and linear scans (no caches, no
shortcuts).

It exists to work out the expected timetables of the golden test in
tests/core/berechnung_golden_test.cpp without copying the engine's output. Run it to print
the day of that test with every random number drawn:

    python3 tools/zeitplan_referenz.py

Given a day as JSON (written by tests/core/berechnung_referenz_test.cpp), it prints every
plan of that day, one line each, for a line-by-line comparison with the engine:

    python3 tools/zeitplan_referenz.py TAG.json

The JSON lists teachers and parents in the order the program keeps them (German
collation is checked elsewhere; here the order is input, so that the random draws follow
the same sequence).
"""
import json
import math
import sys

MS_PRO_TAG = 86400000.0
EINE_SEKUNDE = 1000.0 / MS_PRO_TAG


def kodiere(h, m):
    return (h * 3600000 + m * 60000) / MS_PRO_TAG


def zerlege(t):
    bruch = abs(math.modf(t)[0])
    ms = math.floor(bruch * MS_PRO_TAG + 0.5)
    return ms // 3600000, (ms % 3600000) // 60000


def praefix(t):
    h, m = zerlege(t)
    return "%02d:%02d Uhr: " % (h, m)


def ms(t):
    return math.floor(t * MS_PRO_TAG + 0.5)


class Zufall:
    def __init__(self):
        self.seed = 0
        self.protokoll = []

    def zahl(self, n, wozu):
        self.seed = (self.seed * 134775813 + 1) % (1 << 32)
        r = (self.seed * (n % (1 << 32))) >> 32
        self.protokoll.append((wozu, n, r))
        return r


class Tag:
    def __init__(self):
        self.start = kodiere(15, 0)
        self.ende = kodiere(18, 0)
        self.takt_min = 10
        self.pausen = []          # (start, dauer)
        self.raumwechsel = True
        self.freie_anzeigen = False
        self.lehrer = {}          # name -> dict
        self.eltern = {}          # name -> dict
        self.zufall = Zufall()
        self.gemeinsam = False    # siblings with the same teacher share one talk
        self.gruppen = {}         # (entry casefold, teacher casefold) -> joint talk
        self.geordnet = False     # names in the given order instead of sorted
        self.index_l = None       # casefold -> record, same answers as the linear scans
        self.index_e = None

    def takt(self):
        return self.takt_min * 60000 / MS_PRO_TAG

    def lehrer_namen(self):
        return list(self.lehrer) if self.geordnet else sorted(self.lehrer, key=str.casefold)

    def eltern_namen(self):
        return list(self.eltern) if self.geordnet else sorted(self.eltern, key=str.casefold)

    # ----- slot arithmetic -----
    def zaehle_vor(self, grenze):
        n, z = 0, self.start + EINE_SEKUNDE
        while z < grenze:
            n += 1
            z += self.takt()
        return n

    def ist_pause(self, k):
        for (s, d) in self.pausen:
            if self.zaehle_vor(s) <= k < self.zaehle_vor(s + d) and d > EINE_SEKUNDE:
                return True
        return False

    def lstart(self, l):
        return l["start"] if l["abweich"] else self.start

    def lende(self, l):
        return l["ende"] if l["abweich"] else self.ende

    def erster(self, l):
        z, n = self.start + EINE_SEKUNDE, 0
        while self.lstart(l) > z:
            n += 1
            z += self.takt()
        return n

    def letzter(self, l):
        z, n = self.start - EINE_SEKUNDE, -2
        while self.lende(l) > z:
            n += 1
            z += self.takt()
        return n

    def freie(self, l):
        a, b = self.erster(l), self.letzter(l)
        if b < a:
            return 0
        return sum(1 for k in range(a, b + 1) if not self.ist_pause(k))

    def anz_slots(self):
        sh, sm = zerlege(self.start)
        eh, em = zerlege(self.ende)
        m = (eh - sh) * 60 + em - sm
        return int(m / self.takt_min)  # truncates toward zero

    # ----- look-ups -----
    def L(self, name):
        if self.index_l is not None:
            return self.index_l.get(name.casefold())
        for n, l in self.lehrer.items():
            if n.casefold() == name.casefold():
                return l
        return None

    def E(self, name):
        if self.index_e is not None:
            return self.index_e.get(name.casefold())
        for n, e in self.eltern.items():
            if n.casefold() == name.casefold():
                return e
        return None


def plan_hinzu(plan, zeile):
    if any(z.casefold() == zeile.casefold() for z in plan):
        return
    plan.append(zeile)
    plan.sort()


def eltern_frei(tag, name, k, mit):
    e = tag.E(name)
    t = k * tag.takt() + tag.start
    frei = True
    p = praefix(t)
    for z in e["plan"]:
        if z[:11] == p:
            frei = False
    if (e["nichtvor"] and ms(t) < ms(e["nichtvorzeit"])) or (e["nichtnach"] and ms(t) >= ms(e["nichtnachzeit"])):
        frei = False
    if mit:
        for g in e["geschwister"]:
            if not frei:
                break
            if tag.E(g) is not None:
                frei = eltern_frei(tag, g, k, False)
    return frei


def bilde_gruppen(tag):
    """Joint talks: in every family (entries joined by sibling names, either way round),
    the entries that ask a teacher who refuses none of them share one talk with her."""
    namen = tag.eltern_namen()
    familie = {n: {n} for n in namen}
    for n in namen:
        for g in tag.eltern[n]["geschwister"]:
            ge = next((m for m in namen if m.casefold() == g.casefold()), None)
            if ge is not None and familie[ge] is not familie[n]:
                vereint = familie[n] | familie[ge]
                for m in vereint:
                    familie[m] = vereint
    gesehen = []
    for n in namen:
        f = familie[n]
        if len(f) < 2 or any(f is x for x in gesehen):
            continue
        gesehen.append(f)
        mitglieder = [m for m in namen if m in f]
        lehrer = []
        for m in mitglieder:
            for w in tag.eltern[m]["wuensche"]:
                l = tag.L(w)
                if l is None or any(a.casefold() == m.casefold() for a in l["ablehnungen"]):
                    continue
                name = next(x for x in tag.lehrer_namen() if tag.lehrer[x] is l)
                if name not in lehrer:
                    lehrer.append(name)
        for ln in lehrer:
            l = tag.lehrer[ln]
            teil = [m for m in mitglieder
                    if any(tag.L(w) is l for w in tag.eltern[m]["wuensche"])
                    and not any(a.casefold() == m.casefold() for a in l["ablehnungen"])]
            if len(teil) < 2:
                continue
            gruppe = {"lehrer": ln, "mitglieder": teil, "gesucht": False}
            for m in teil:
                tag.gruppen[(m.casefold(), ln.casefold())] = gruppe


def gruppe_von(tag, eltern, lehrer_text):
    if not tag.gemeinsam:
        return None
    l = tag.L(lehrer_text)
    if l is None:
        return None
    name = next(x for x in tag.lehrer_namen() if tag.lehrer[x] is l)
    return tag.gruppen.get((eltern.casefold(), name.casefold()))


def wunsch_text(tag, eltern, lehrer_name):
    """How the entry spells its first request of that teacher."""
    l = tag.lehrer[lehrer_name]
    return next(w for w in tag.eltern[eltern]["wuensche"] if tag.L(w) is l)


def spiegel(a, k):
    return 2 * a - k if k > a else 2 * a - k + 1


def suche_termin(tag, eltern, lehrer, hint, st):
    l = tag.L(lehrer)
    erster, letzter = tag.erster(l), tag.letzter(l)
    anz = tag.anz_slots()
    a = hint
    if a == -1:
        a = tag.zufall.zahl(letzter - erster + 1, "SucheTermin %s bei %s" % (eltern, lehrer)) + erster
    k = a
    miss = 0
    gruppe = gruppe_von(tag, eltern, lehrer)
    wer = gruppe["mitglieder"] if gruppe else [eltern]

    def passt(name):
        return eltern_frei(tag, name, k, True) and (
            not tag.raumwechsel or (
                eltern_frei(tag, name, max(0, min(k - 1, anz)), True)
                and eltern_frei(tag, name, max(0, min(k + 1, anz)), True)))

    while True:
        if not tag.ist_pause(k) and erster <= k <= letzter:
            zeile = l["plan"][k]
            if len(zeile) == 11 and all(passt(m) for m in wer) and gruppe is not None:
                for m in wer:
                    plan_hinzu(tag.E(m)["plan"], zeile + wunsch_text(tag, m, gruppe["lehrer"]))
                    st["vergeben"] += 1
                l["plan"][k] = zeile + " / ".join(wer)
                marke = zeile + "[ " + wunsch_text(tag, wer[0], gruppe["lehrer"]) + " ]"
                for m in wer:
                    for g in tag.E(m)["geschwister"]:
                        ge = tag.E(g)
                        if ge is not None and not any(x.casefold() == g.casefold() for x in wer):
                            plan_hinzu(ge["plan"], marke)
                return k
            if len(zeile) == 11 and gruppe is None and passt(eltern):
                e = tag.E(eltern)
                plan_hinzu(e["plan"], zeile + lehrer)
                l["plan"][k] = zeile + eltern
                st["vergeben"] += 1
                for g in e["geschwister"]:
                    ge = tag.E(g)
                    if ge is not None:
                        plan_hinzu(ge["plan"], zeile + "[ " + lehrer + " ]")
                return k
            k = spiegel(a, k)
        else:
            miss += 1
            k = spiegel(a, k)
        if miss == 3 * anz:
            return k


def berechne(tag):
    st = {"bewilligt": 0, "vergeben": 0}
    enamen = tag.eltern_namen()
    kopie = list(enamen)
    reihenfolge = []
    maxw = 0
    n_e = len(enamen)
    tag.gruppen = {}
    if tag.gemeinsam:
        bilde_gruppen(tag)
    for m in range(n_e):
        d = tag.zufall.zahl(n_e - m, "Reihenfolge")
        e = tag.E(kopie[d])
        reihenfolge.append(kopie[d])
        e["plan"] = []
        e["erteilt"] = []
        maxw = max(maxw, len(e["wuensche"]))
        del kopie[d]
    for ln in tag.lehrer_namen():
        l = tag.lehrer[ln]
        l["plan"] = []
        l["anz"] = 0
        z = tag.start
        for _ in range(0, tag.letzter(l) + 1):
            l["plan"].append(praefix(z))
            z += tag.takt()
    for p in range(1, maxw + 1):
        for en in enamen:
            e = tag.eltern[en]
            n = len(e["wuensche"])
            j = tag.zufall.zahl(n, "Durchgang %d %s" % (p, en))
            s = j
            granted = False
            if n > 0:
                while True:
                    w = e["wuensche"][j]
                    l = tag.L(w)
                    if (l is not None and not any(x.casefold() == w.casefold() for x in e["erteilt"])
                            and not granted
                            and not any(a.casefold() == en.casefold() for a in l["ablehnungen"])
                            and l["anz"] < tag.freie(l)):
                        granted = True
                        gruppe = gruppe_von(tag, en, w)
                        if gruppe is None:
                            e["erteilt"].append(w)
                            st["bewilligt"] += 1
                        else:
                            for m in gruppe["mitglieder"]:
                                tag.eltern[m]["erteilt"].append(wunsch_text(tag, m, gruppe["lehrer"]))
                                st["bewilligt"] += 1
                        l["anz"] += 1
                    j += 1
                    if j == n:
                        j = 0
                    if granted or j == s:
                        break
    for q in range(n_e - 1, -1, -1):
        name = reihenfolge[q]
        e = tag.E(name)
        hint = -1
        gesucht = 0
        for w in e["erteilt"]:
            gruppe = gruppe_von(tag, name, w)
            if gruppe is not None:
                if gruppe["gesucht"]:
                    continue
                gruppe["gesucht"] = True
            prev = hint
            hint = suche_termin(tag, name, w, hint, st)
            if gesucht > 0:
                hint = int((gesucht * prev + hint) / (gesucht + 1))
            gesucht += 1
    for ln in tag.lehrer_namen():
        l = tag.lehrer[ln]
        ers = tag.erster(l)
        for i in range(len(l["plan"]) - 1, -1, -1):
            if len(l["plan"][i]) == 11 and not (tag.freie_anzeigen and i >= ers):
                del l["plan"][i]
    st["maxwuensche"] = maxw
    st["reihenfolge"] = reihenfolge
    return st


def lehrer(abweich=False, start=None, ende=None, ablehnungen=()):
    return {"abweich": abweich, "start": start if start is not None else kodiere(15, 0),
            "ende": ende if ende is not None else kodiere(18, 0),
            "ablehnungen": list(ablehnungen), "plan": [], "anz": 0}


def eltern(wuensche, geschwister=(), nichtvor=None, nichtnach=None):
    return {"wuensche": list(wuensche), "geschwister": sorted(geschwister, key=str.casefold),
            "nichtvor": nichtvor is not None, "nichtvorzeit": nichtvor if nichtvor is not None else kodiere(16, 0),
            "nichtnach": nichtnach is not None, "nichtnachzeit": nichtnach if nichtnach is not None else kodiere(18, 0),
            "plan": [], "erteilt": []}


def golden_tag():
    """The day of the golden test (keep in step with berechnung_golden_test.cpp)."""
    t = Tag()
    t.start = kodiere(15, 0)
    t.ende = kodiere(16, 30)
    t.takt_min = 10
    t.pausen = [(kodiere(15, 40), kodiere(0, 10))]
    t.raumwechsel = True
    t.lehrer = {
        "Becker (R12)": lehrer(),
        "Fuchs (R20)": lehrer(ablehnungen=["6b: Roth"]),
        "Ziegler (R3)": lehrer(abweich=True, start=kodiere(15, 30), ende=kodiere(16, 10)),
    }
    t.eltern = {
        "5a: Albers": eltern(["Becker (R12)", "Fuchs (R20)", "Ziegler (R3)"], geschwister=["7c: Albers"]),
        "7c: Albers": eltern(["Fuchs (R20)", "Ziegler (R3)"], geschwister=["5a: Albers"]),
        "6b: Roth": eltern(["Fuchs (R20)", "Becker (R12)"], nichtvor=kodiere(15, 30)),
        "8a: Kurz": eltern([]),
        "9d: Engel": eltern(["Ziegler (R3)", "Becker (R12)", "Fuchs (R20)"], nichtnach=kodiere(16, 0)),
        "5b: Brandt": eltern(["Ziegler (R3)", "Fuchs (R20)"]),
    }
    return t


def lies_tag(pfad):
    """A day from the JSON written by the comparison test."""
    with open(pfad, encoding="utf-8") as f:
        d = json.load(f)
    t = Tag()
    t.start, t.ende, t.takt_min = d["start"], d["ende"], d["takt"]
    t.pausen = [(p["start"], p["dauer"]) for p in d["pausen"]]
    t.raumwechsel = d["raumwechsel"]
    t.freie_anzeigen = d["freieAnzeigen"]
    t.zufall.seed = d["seed"]
    t.gemeinsam = d.get("gemeinsam", False)
    t.geordnet = True
    for l in d["lehrer"]:
        t.lehrer[l["name"]] = lehrer(l["abweich"], l["start"], l["ende"], l["ablehnungen"])
    for e in d["eltern"]:
        rec = eltern(e["wuensche"], (), e["nichtVorZeit"] if e["nichtVor"] else None,
                     e["nichtNachZeit"] if e["nichtNach"] else None)
        rec["nichtvorzeit"], rec["nichtnachzeit"] = e["nichtVorZeit"], e["nichtNachZeit"]
        rec["geschwister"] = list(e["geschwister"])
        t.eltern[e["name"]] = rec
    t.index_l = {n.casefold(): l for n, l in t.lehrer.items()}
    t.index_e = {n.casefold(): e for n, e in t.eltern.items()}
    return t


def alle_plaene(tag, st):
    """Every plan, teachers first, then each parent entry with its granted requests."""
    zeilen = ["bewilligt %d vergeben %d maxwuensche %d" % (st["bewilligt"], st["vergeben"], st["maxwuensche"])]
    zeilen.append("reihenfolge " + "|".join(st["reihenfolge"]))
    for ln in tag.lehrer_namen():
        zeilen.append("L " + ln)
        zeilen.extend(tag.lehrer[ln]["plan"])
    for en in tag.eltern_namen():
        e = tag.eltern[en]
        zeilen.append("E " + en)
        zeilen.extend(e["plan"])
        zeilen.append("erteilt: " + "|".join(e["erteilt"]))
    return zeilen


if __name__ == "__main__" and len(sys.argv) == 2:
    tag = lies_tag(sys.argv[1])
    st = berechne(tag)
    sys.stdout.reconfigure(encoding="utf-8", newline="\n")
    for z in alle_plaene(tag, st):
        print(z)
elif __name__ == "__main__":
    tag = golden_tag()
    st = berechne(tag)
    print("Zufallszahlen (wozu, n, Ergebnis):")
    for p in tag.zufall.protokoll:
        print("  ", p)
    print("Reihenfolge:", st["reihenfolge"])
    print("MaxWuensche", st["maxwuensche"], "Bewilligt", st["bewilligt"], "Vergeben", st["vergeben"])
    for ln in tag.lehrer_namen():
        l = tag.lehrer[ln]
        print("Lehrer", ln, "AnzErteilt", l["anz"], l["plan"])
    for en in tag.eltern_namen():
        e = tag.eltern[en]
        print("Eltern", en, "Erteilt", e["erteilt"], e["plan"])
