#!/usr/bin/env python3
"""Writes the sample logs in examples/: an imagined domestic contest weekend as a HAMLOG CSV export
(Shift-JIS) and the same QSOs as ADIF 3 (UTF-8). Deterministic: the same files every run."""
import random
import datetime
import pathlib

OUT = pathlib.Path(__file__).resolve().parent.parent / "examples"
rng = random.Random(20260613)

START = datetime.datetime(2026, 6, 13, 21, 0)   # contest period, Japan time
END = datetime.datetime(2026, 6, 14, 20, 59)

BANDS = [  # (MHz range, modes, weight)
    ((3.500, 3.575), ["CW", "SSB"], 6),
    ((7.000, 7.200), ["CW", "SSB"], 14),
    ((14.000, 14.300), ["CW", "SSB"], 5),
    ((21.000, 21.400), ["CW", "SSB", "RTTY"], 6),
    ((28.000, 29.000), ["SSB", "FM"], 4),
    ((50.000, 50.900), ["SSB", "CW", "FM"], 8),
    ((144.000, 145.700), ["FM", "SSB", "CW"], 10),
    ((430.000, 439.000), ["FM", "SSB"], 8),
    ((1260.000, 1299.000), ["FM"], 2),
]
WARC = [(10.100, 10.150), (18.068, 18.168), (24.890, 24.990)]

FAMILY = ["佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "山本", "中村", "小林", "加藤", "吉田", "山田"]
GIVEN = ["一郎", "健", "修", "誠", "浩", "茂", "明美", "恵子", "大輔", "翔", "ﾀﾛｳ", "ﾊﾅｺ"]
QTHS = ["東京都千代田区", "神奈川県横浜市", "大阪府堺市", "愛知県名古屋市", "北海道札幌市",
        "福岡県福岡市", "宮城県仙台市", "広島県広島市", "長野県松本市", "沖縄県那覇市"]


def call_sign(i):
    area = rng.randint(0, 9)
    prefix = rng.choice(["JA", "JH", "JR", "JE", "JF", "JG", "JI", "JJ", "JK", "JL", "7K", "7L"])
    suffix = "".join(rng.choice("ABCDEFGHIJKLMNOPQRSTUVWXYZ") for _ in range(3))
    return f"{prefix}{area}{suffix}"


def address_code():
    pref = rng.randint(1, 47)
    kind = rng.random()
    if kind < 0.5:
        return f"{pref:02d}{rng.randint(1, 20):02d}"          # city
    if kind < 0.65:
        return f"{pref:02d}{rng.randint(1, 20):02d}{rng.randint(1, 9):02d}"  # city ward
    if kind < 0.9:
        return f"{pref:02d}{rng.randint(1, 40):03d}"          # county
    return f"{pref:02d}{rng.randint(1, 40):03d}{rng.choice('ABCDE')}"  # county with town letter


stations = []
for i in range(160):
    stations.append({
        "call": call_sign(i),
        "portable": rng.choice(["", "", "", "", "1", "2", "P", "QRP"]),
        "code": address_code(),
        "name": rng.choice(FAMILY) + rng.choice(GIVEN),
        "qth": rng.choice(QTHS),
    })

qsos = []


def add(when, station, mhz, mode, zone="J", remarks=""):
    rst = "599" if mode in ("CW", "RTTY") else "59"
    qsos.append({"when": when, "st": station, "mhz": mhz, "mode": mode, "zone": zone,
                 "his": rst, "my": rst if rng.random() < 0.95 else ("579" if len(rst) == 3 else "57"),
                 "remarks": remarks})


t = START
while t <= END and len(qsos) < 360:
    band = rng.choices(BANDS, weights=[b[2] for b in BANDS])[0]
    mhz = round(rng.uniform(*band[0]), 3)
    add(t, rng.choice(stations), mhz, rng.choice(band[1]))
    t += datetime.timedelta(minutes=rng.choice([1, 1, 2, 3, 5, 8]))

# Repeats with stations already worked on the same band, some in another mode.
for q in rng.sample(qsos, 30):
    when = q["when"] + datetime.timedelta(minutes=rng.randint(30, 300))
    if when <= END:
        add(when, q["st"], q["mhz"], q["mode"] if rng.random() < 0.5 else "SSB", remarks="dupe?")
# QSOs on bands without a summary row, before and after the period, and a few logged in UTC.
for (lo, hi) in WARC:
    for _ in range(3):
        add(START + datetime.timedelta(minutes=rng.randint(0, 1400)), rng.choice(stations),
            round(rng.uniform(lo, hi), 3), "CW")
for delta in (-180, -20, -1, 1440, 1500):
    add(START + datetime.timedelta(minutes=delta), rng.choice(stations), 7.045, "CW",
        remarks="outside the period")
for _ in range(4):
    q = rng.choice(qsos)
    add(q["when"] + datetime.timedelta(minutes=7), rng.choice(stations), 14.025, "CW", zone="U")

qsos.sort(key=lambda q: q["when"])


def csv_field(text):
    if any(c in text for c in ',"'):
        return '"' + text.replace('"', '""') + '"'
    return text


with open(OUT / "sample-contest.csv", "w", encoding="cp932", newline="") as f:
    for q in qsos:
        when = q["when"] if q["zone"] == "J" else q["when"] - datetime.timedelta(hours=9)
        st = q["st"]
        call = st["call"] + ("/" + st["portable"] if st["portable"] else "")
        fields = [call, when.strftime("%y/%m/%d"), when.strftime("%H:%M") + q["zone"], q["his"],
                  q["my"], f"{q['mhz']:g}", q["mode"], st["code"], "", "J", st["name"], st["qth"],
                  q["remarks"], "", "0"]
        f.write(",".join(csv_field(x) for x in fields) + "\r\n")


def adif_field(name, text):
    return f"<{name}:{len(text.encode('utf-8'))}>{text} " if text else ""


BAND_NAMES = [(1.8, "160m"), (3.5, "80m"), (7, "40m"), (10, "30m"), (14, "20m"), (18, "17m"),
              (21, "15m"), (24, "12m"), (28, "10m"), (50, "6m"), (144, "2m"), (430, "70cm"),
              (1240, "23cm")]

with open(OUT / "sample-contest.adi", "w", encoding="utf-8", newline="") as f:
    f.write("Sample contest log: the QSOs of sample-contest.csv in ADIF\n")
    f.write(adif_field("ADIF_VER", "3.1.4") + adif_field("PROGRAMID", "make_sample_logs") + "<EOH>\n")
    for q in qsos:
        utc = q["when"] - datetime.timedelta(hours=9)  # "when" is Japan time for either zone
        st = q["st"]
        call = st["call"] + ("/" + st["portable"] if st["portable"] else "")
        band = [n for (lo, n) in BAND_NAMES if q["mhz"] >= lo][-1]
        f.write(adif_field("CALL", call) + adif_field("QSO_DATE", utc.strftime("%Y%m%d")) +
                adif_field("TIME_ON", utc.strftime("%H%M")) + adif_field("BAND", band) +
                adif_field("FREQ", f"{q['mhz']:g}") + adif_field("MODE", q["mode"]) +
                adif_field("RST_SENT", q["his"]) + adif_field("RST_RCVD", q["my"]) +
                adif_field("SRX_STRING", st["code"]) + adif_field("QSL_RCVD", "N") +
                adif_field("NAME", st["name"]) + adif_field("QTH", st["qth"]) +
                adif_field("COMMENT", q["remarks"]) + "<EOR>\n")

print(f"{len(qsos)} QSOs written to {OUT}")
