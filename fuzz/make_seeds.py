#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/corpus/<target>/.

The fuzzers split their input with the toolchain's data provider: numbers are taken from the
end of the input (last byte first), texts from the front, each text ended by a backslash and
one more character (a doubled backslash stands for one). These helpers build inputs in that
layout, so every seed starts the fuzzer on a realistic case.
"""
import os
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def text(b):
    """One text as the data provider reads it, with its terminator."""
    return b.replace(b"\\", b"\\\\") + b"\\;"


def seed(target, name, front, numbers=()):
    """numbers: byte strings in the order the fuzzer consumes them (each from the end)."""
    data = bytearray(front)
    for number in reversed(numbers):
        data += number
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(bytes(data))


def u8(v):
    return bytes([v & 0xFF])


def u16(v):
    # Consumed last byte first, the first byte taken being the most significant.
    return bytes([v & 0xFF, (v >> 8) & 0xFF])


def replies(lines):
    return b"".join(text(line) for line in lines)


# ---- radio conversations -------------------------------------------------------------------

def memory_label(slot):
    if slot < 400:
        return "%03d" % slot
    if slot < 420:
        return ("L" if slot % 2 == 0 else "U") + str((slot - 400) // 2)
    if slot < 422:
        return "PR%d" % (slot - 419)
    return "I-%d" % ((slot - 421) % 10)


MENU = ["BC", "BAL", "DL", "ATT", "LK", "LMP", "MNF", "SV", "APO", "MES", "CNT", "LAN", "DLK",
        "TXH", "PT", "TSP", "VXG", "VXD", "VXB", "TXS", "NSFT", "ANT", "ARO", "CKEY", "TH", "ELK",
        "BEP", "SCR", "DATP", "MGL", "MRM", "BAT"]


def read_conversation(scope, model, type_code, channels, fl0, fl1):
    out = [b"VOX 0\r", b"ID " + model + b"\r", b"TYD " + type_code + b"\r",
           b"FL 0," + fl0 + b"\r", b"FL 1," + fl1 + b"\r"]
    if scope in (0, 1):
        for slot in range(432):
            label = memory_label(slot).encode()
            if slot in channels:
                data, split, name = channels[slot]
                out.append(b"MR 0," + label + b"," + data + b"\r")
                out.append(b"MR 1," + label + b"," + split + b"\r")
                out.append(b"MNA " + label + b"," + name + b"\r")
            else:
                out.append(b"MR 0," + label + b"\r")
        for n in range(4):
            if n == 1:
                out.append(b"CR 1,0\r")
                continue
            out.append(b"CR %d,0,00145000000,5,0,0,0,0,0,08,08,000,000600000,0\r" % n)
            out.append(b"CR %d,1,00435000000,8\r" % n if n == 2 else b"CR %d,1,\r" % n)
        for n in range(15):
            out.append(b"VR %X,00144000000,5,0,0,0,0,0,08,08,000,000600000,0\r" % n)
        for n in range(4):
            out.append(b"PV %d,00144,00147\r" % n)
        for d in range(10):
            if d == 3:
                out.append(b"DM 03,12EF\r")
                out.append(b"DMN 03,HOME\r")
            else:
                out.append(b"DM %02d,\r" % d)
    if scope in (0, 2):
        for n in range(4):
            out.append(b"PC %d,1\r" % n)
        for n in (0, 1, 2, 3, 5):
            out.append(b"NAR %d,0\r" % n)
        for mnemonic in MENU:
            value = b"HELLO\x80" if mnemonic == "MES" else b"1"
            out.append(mnemonic.encode() + b" " + value + b"\r")
    return out


CHANNEL = b"00145000000,5,0,0,1,0,0,08,08,000,000600000,0,0"
K_FL0 = b"00144,00148,00222,00225,00420,00450"
K_FL1 = b"0000010,0000171,0000171,0003000,0003000,0005400,0007600,0010800,00108,00136," \
        b"00136,00174,00174,00216,00216,00300,00300,00470,00470,00860,00860,01300"


def read_seeds():
    t = "fuzz_read_sequence"
    channels = {0: (CHANNEL, b"", b"REPEATER"),
                1: (CHANNEL, b"00146000000,5", b"SPLIT,X"),
                400: (CHANNEL, b"L0", b""),
                420: (CHANNEL, b"", b"\x80\x97\x9e"),
                431: (CHANNEL, b"", b"WEATHER")}
    seed(t, "all_kk", replies(read_conversation(0, b"ARVEN", b"KK,0F", channels, K_FL0, K_FL1)),
         [u8(0), u8(0), u16(0)])
    jj = {5: (b"00095750000,B,0,0,0,0,0,0,08,08,000,000000000,1,0", b"", b"\xc3\xcc\xde")}
    seed(t, "memory_jj_broadcast",
         replies(read_conversation(1, b"BELTO", b"JJ,01", jj, b"00144,00146,00430,00440",
                                   b"0000052,0000171")), [u8(1), u8(2), u16(0)])
    seed(t, "menu_me", replies(read_conversation(2, b"BELTO", b"ME,0B", {}, b"00144,00146",
                                                 b"")), [u8(2), u8(1), u16(0)])
    seed(t, "invalid_radio", replies([b"VOX 0\r", b"ID ARVEN2\r"]), [u8(0), u8(0), u16(0)])
    hostile = [b"VOX 0", b"ID ARVEN\r\r\r", b"TYD \x00KK,0F\r", b"FL 0," + b"9" * 600 + b"\r",
               b"FL 1,\r\r" + b",".join([b"00001"] * 40) + b"\r",
               b"MR 0,000," + b"1," * 200 + b"\r", b"MR 1,000," + b"2" * 300,
               b"MNA 000," + b"\xff" * 300 + b"\r", b"\r" * 50, b"MR 0,002\x00\x00\x00\x00\r"]
    seed(t, "hostile_then_cancel", replies(hostile), [u8(0), u8(3), u16(9)])


def write_seeds():
    t = "fuzz_write_identification"
    acks = [b"VMC\r", b"MW\r", b"MW\r", b"MNA\r", b"N\r", b"?\r"] * 3
    seed(t, "all_kk", replies([b"VOX 0\r", b"ID ARVEN\r", b"TYD KK,0F\r"] + acks),
         [u8(0), u8(0), u16(0)])
    seed(t, "menu_jj", replies([b"VOX 0\r", b"ID BELTO\r", b"TYD JJ,01\r", b"PC\r", b"NAR\r"]),
         [u8(2), u8(2), u16(0)])
    seed(t, "wrong_type", replies([b"VOX 0\r", b"ID BELTO\r", b"TYD MM,0B\r"]),
         [u8(1), u8(1), u16(0)])
    seed(t, "id_with_noise", replies([b"VOX 0\r", b"\rID\x00 ARVEN\r", b"TYD KK,0F" + b"x" * 40]),
         [u8(0), u8(4), u16(0)])
    seed(t, "cancel_during_memories",
         replies([b"VOX 0\r", b"ID ARVEN\r", b"TYD KK,0F\r", b"VMC\r", b"VMC\r", b"MW\r"]),
         [u8(1), u8(0), u16(6)])


# ---- channel files --------------------------------------------------------------------------

def qvx(lines, end=b"\r\n"):
    return b"".join(line + end for line in lines)


def menu_section(pv, values):
    return [b"__RADIO MENU__"] + pv + values


DEFAULT_MENU = [b"1", b"0", b"0", b"0", b"0", b"0", b"0", b"0", b"0", b"0", b"0", b"0",
                b"QUORVAN", b"0", b"0", b"0", b"0", b"0", b"0", b"0", b"0", b"HELLO", b"10",
                b"0", b"0", b"1", b"0", b"0", b"0", b"0", b"0", b"0", b"0", b"0", b"0", b"0",
                b"0", b"0", b"0", b"0", b"1"]


def tabbed(record, count=-1):
    out, n = bytearray(), 0
    for c in record:
        if c == ord(",") and (count < 0 or n < count):
            out += b"\t"
            n += 1
        else:
            out.append(c)
    return bytes(out)


def file_seeds():
    t = "fuzz_channel_file"
    header = b"QUENTAR Chanvault for DOVRA"
    mem = [tabbed(b"000,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,NAME,X", 18),
           tabbed(b"U3,00440000000,8,0,0,0,0,0,08,08,000,005000000,0,0,,,,", 18),
           tabbed(b"PR2,00146520000,5,1,0,1,0,0,12,08,000,000600000,0,1,00446520000,5,,P2", 18),
           tabbed(b"I-1,00162550000,0,0,0,0,0,0,08,08,000,000000000,0,0,,,,WEATHER", 18)]
    call = [tabbed(b"0,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,,00435000000,8")]
    vfo = [tabbed(b"A,00179750000,A,0,0,0,0,0,08,08,000,000000000,1,,,,,")]
    dtmf = [tabbed(b"03,12*#,HO,ME", 2), tabbed(b"9,0123456789ABCD*#,", 2)]
    pv = [b"0,00144,00147", b"1,00222,00224", b"2,00420,00449", b""]
    whole = [header, b"__COMMENT__", b"Field day 2024", b"__MEMORY DATA__"] + mem + \
            [b"__CALL DATA__"] + call + [b"__VFO DATA__"] + vfo + [b"__DTMF DATA__"] + dtmf + \
            menu_section(pv, DEFAULT_MENU)
    seed(t, "full_crlf", qvx(whole), [u8(0)])
    seed(t, "full_lf_japan", qvx(whole[:3] + [b"__MEMORY DATA__",
                                              tabbed(b"I-1,00000567000,3,0,0,0,0,0,08,08,000,"
                                                     b"000000000,2,0,,,,NHK\xbb\xaf\xce\xdf\xdb",
                                                     18)] + whole[8:], b"\n"), [u8(2)])
    odd = [header, b"__COMMENT__", b"__MEMORY DATA__", tabbed(b"X1,00145000000,0", -1),
           b"1234567,too far", b"__VFO DATA__", b"F,00144000000", b"__CALL DATA__", b"7,ignored",
           b"__DTMF DATA__", b"12,ignored", b"__RADIO MENU__"] + [b"0"] * 50
    seed(t, "odd_lines", qvx(odd)[:-2], [u8(4)])
    seed(t, "bad_header", qvx([header + b" ", b"__COMMENT__", b"x"]), [u8(1)])
    seed(t, "long_line", qvx([header, b"__MEMORY DATA__", b"000," + b"9" * 120]), [u8(3)])
    # A copy broken off inside a channel record.
    seed(t, "cut_in_a_record", qvx(whole)[:120], [u8(0)])


# ---- clipboard, settings, frequencies --------------------------------------------------------

def paste_seeds():
    t = "fuzz_paste"
    payloads = {
        "memory_named": b"000,00145000000,5,0,0,1,0,0,08,08,000,000600000,0,1,,,,REPEATER",
        "memory_split_comma_name": b"012,00146520000,5,3,0,0,0,0,08,08,000,,0,1,00446520000,5,,"
                                   b"AB,CDEFGHIJ",
        "vfo_a144": b"0,00144000000,5,0,0,0,0,0,08,08,000,000600000,0,,,,,",
        "vfo_b_am": b"4,00000540000,3,0,0,0,0,0,08,08,000,000000000,2,,,,,",
        "call_split": b"2,00435000000,8,0,0,0,0,0,08,08,000,005000000,0,,00445000000,8",
        "dtmf": b"03,12*#,HOME",
        "twenty_nine": b"0123456789012345678901234567,",
        "katakana_name": b"I-1,00000567000,3,0,0,0,0,0,08,08,000,000000000,2,0,,,,NHK\xbb\xaf",
        "overlong": b"000,00145000000," + b"1," * 60,
        "nul_inside": b"000,00145000000,5\x00,0,0,0",
    }
    for i, (name, payload) in enumerate(payloads.items()):
        seed(t, name, text(payload), [u8(i), u16(i * 37)])


def settings_seeds():
    t = "fuzz_settings_load"
    # Value names by number: 0 Path, 1 CommPort, 2 Type, 3 Model, 6.. Limit0..
    def store(pairs, dialog, probes):
        front = b"".join(text(value) for _, value in pairs) + b"".join(text(p) for p in probes)
        return front, [u8(dialog), u8(len(pairs))] + [u8(name) for name, _ in pairs]
    probes = [b"00145000000", b"00000050000", b"01300000000", b"x", b""]
    cases = {
        "first_run": ([], 2),
        "stored_kk": ([(0, b"/home/op/radio/"), (1, b"COM3"), (2, b"KK,0F"), (3, b"ARVEN"),
                       (6, b"00144,00148"), (7, b"00222,00225")], 0),
        "cirra_japan": ([(2, b"JJ,00"), (3, b"CIRRA"), (9, b"01240,01300"), (20, b"00300,01300")],
                        0),
        "garbage": ([(2, b"\xff\x00Z"), (3, b"A" * 40), (6, b"abc,def"), (7, b","),
                     (8, b"1" * 30 + b",2"), (1, b"x" * 100), (5, b"00144,00148")], 3),
    }
    for name, (pairs, dialog) in cases.items():
        front, numbers = store(pairs, dialog, probes)
        seed(t, name, front, numbers)


def frequency_seeds():
    t = "fuzz_frequency_parsers"
    texts = [b"144.0125", b"0144.5", b"1300", b"144", b".65", b"59.99", b"1.6", b"65",
             b"12345.6", b"1..2", b"", b"118.008330", b"830", b"7.050150", b"abc"]
    for i, value in enumerate(texts):
        # band, kind, mode, step for the fits come from the bytes left after the text.
        fit = bytes([i % 15, i % 3, i % 6, i % 12]) * 2
        seed(t, "text_%02d" % i, text(value) + fit,
             [u8(i), bytes([(i * 53) & 0xFF, 0x55, 0x8A, 0x2C, 0x00])])


# ---- channel lists ---------------------------------------------------------------------------

CSV_HEADER = (b"Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              b"DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
              b"RPT2CALL,DVCODE")


def csv_seeds():
    t = "fuzz_csv_import"
    rows = [
        b"0,W1AW,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"
        b"\"Newington, CT\",,,,",
        b"1,RPT,442.462500,+,-5.000000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,NFM,5.00,,50W,,,,,",
        b"2,COUNTY,851.325000,,0.000000,DTCS,88.5,88.5,411,NN,411,Tone->Tone,FM,5.00,S,Low,,,,,",
        b"3,SAT,145.800000,split,435.800000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,",
        b"4,SPLIT,443.000000,split,448.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,,,,,,",
        b"5,WX,162.550000,off,0.000000,,159.8,88.5,023,NN,023,Tone->Tone,FM,25.00,,,,,,,",
        b"6,APPR,128.008330,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,8.33,,,,,,,",
        b"7,DSTAR,145.670000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,DV,5.00,,,,,,,",
        b"8,\"ESC\x1b[2J\",146.520000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,Comment, more,,,,",
        b"420,PRIO,433.400000,-,7.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,25.00,,EL,"
        b"PR1 qv-fixed-shift qv-reverse,,,,",
        b"9,SHORT,9999.99999",
    ]
    listing = CSV_HEADER + b"\r\n" + b"\r\n".join(rows) + b"\r\n"
    seed(t, "by_location_kk", listing, [u8(0), u8(0), u16(0)])
    seed(t, "file_order_from_395", listing, [u8(1), u8(1), u16(395)])
    seed(t, "semicolons_europe", CSV_HEADER.replace(b",", b";") + b"\n" +
         b"\n".join(r.replace(b",", b";") for r in rows[:3]) + b"\n", [u8(3), u8(0), u16(0)])
    seed(t, "few_columns_japan", b"Frequency;Name\n145.02;\xef\xbd\xb1\xef\xbd\xb2\n"
         b"0.603;AM\n", [u8(2), u8(1), u16(0)])
    seed(t, "not_a_list", b"\x89PNG\r\n\x1a\n\0\0\0", [u8(0), u8(0), u16(0)])


def trace_seeds():
    t = "fuzz_transfer_trace"

    def pieces(parts):
        """parts: (sent, milliseconds since the last piece, bytes)."""
        front = b"".join(b for _, _, b in parts)
        numbers = []
        for sent, ms, b in parts:
            numbers += [u8(ms * 2 + (1 if sent else 0)), u8(len(b))]
        return front, numbers

    front, numbers = pieces([(True, 0, b"VOX 0"), (True, 0, b"\r"), (False, 20, b"VOX 0\r"),
                             (True, 0, b"ID"), (True, 0, b"\r"), (False, 5, b"ID AR"),
                             (False, 3, b"VEN\rTYD"), (False, 1, b" KK,0F\r")])
    seed(t, "identification_in_pieces", front, numbers)
    front, numbers = pieces([(False, 0, b"\\x0d \"quoted\"\x1b[2J\x7f\xe9\n\t"),
                             (False, 100, b"x" * 63), (False, 0, b"x" * 63),
                             (False, 0, b"x" * 63), (False, 0, b"x" * 63), (False, 0, b"\r")])
    seed(t, "hostile_and_runaway_reply", front, numbers)
def backup_seeds():
    t = "fuzz_backup_names"
    # The whole input is tried as one name; then a plan and a name made of it, then a folder.
    names = [
        b"20261209T141502Z-0042-ARVEN-KK0F-written.qvx",
        b"20261209T141502Z-0043-ARVEN-KK0F-pending.qvx",
        b"20261209T141502Z-1234567-BELTO-ME0B-memory.qvx",
        b"20240131-235958-ARVEN-KK0F-2-written.qvx",
        b"20990101-000000-ARVEN-KK0F.qvx",
        b"20240601-000000-ARVEN.qvx",
        b"mine.qvx",
    ]
    for i, name in enumerate(names[:5]):
        seed(t, "name_%d" % i, name)
    folder = text(b"KK,0F") + text(b"ARVEN") + b"".join(text(n) for n in names)
    seed(t, "folder_kk", folder, [b"\x00" * 8, b"\x00" * 8, u8(3), u8(len(names))])
    seed(t, "odd_plan", text(b"kk,/-") + text(b"../B E") + text(names[0]),
         [b"\xff" * 8, b"\xff" * 8, u8(5), u8(1)])


def main():
    trace_seeds()
    read_seeds()
    backup_seeds()
    write_seeds()
    file_seeds()
    paste_seeds()
    settings_seeds()
    frequency_seeds()
    csv_seeds()
    return 0


if __name__ == "__main__":
    sys.exit(main())
