#!/usr/bin/env python3
"""Generate resources/Ime.DCT, the character table behind the input codes.

One line per Chinese character of GBK, in GBK byte order, written in GBK:

    columns 1-2   the character (its two GBK bytes)
    column  7     first key of its Wubi 86 code
    column  13    first stroke (h 横, s 竖, p 撇, n 点, z 折)
    column  37    initial of its pinyin

A code the sources do not know is left blank; a character with no code at all
gets no line. Sources are Debian packages:

    apt-get install -y --no-install-recommends unicode-data rime-data-wubi rime-data-stroke

Standard library only. Prints how many GB2312 and GBK characters are covered.
"""

import argparse
import bz2
import pathlib
import sys
import unicodedata

UNIHAN_READINGS = '/usr/share/unicode/Unihan_Readings.txt.bz2'
WUBI86_DICT = '/usr/share/rime-data/wubi86.dict.yaml'
STROKE_DICT = '/usr/share/rime-data/stroke.dict.yaml'

# In order of preference: the customary reading first, then the dictionaries.
READING_FIELDS = ('kMandarin', 'kTGHZ2013', 'kXHC1983', 'kHanyuPinyin')

# Readings chosen for titles, place names and personal names where the
# customary reading gives another initial. Reviewed and kept as they are:
# 行 xíng, 乐 lè, 说 shuō, 朝 cháo (朝鲜, 朝阳), 单 dān (单词, 简单; the surname
# shàn is rarer), 会 huì, 传 chuán, 藏 cáng, 解 jiě, 仇 chóu, 查 chá, 区 qū.
PINYIN_OVERRIDES = {
    '长': 'cháng',  # 长江, 长城, 长篇: zhǎng (校长) seldom begins a title
    '重': 'chóng',  # 重庆 and its publishers, 重新, 重返
    '曾': 'zēng',   # the surname; céng (曾经) is the rarer start of a name
    '厦': 'xià',    # 厦门 and its publishers
    '翟': 'zhái',   # the surname
    '〇': 'líng',   # no reading in the sources
}

STROKE_KEYS = frozenset('hspnz')


def is_han(ch):
    cp = ord(ch)
    return (0x4E00 <= cp <= 0x9FFF or 0x3400 <= cp <= 0x4DBF
            or 0xF900 <= cp <= 0xFAFF or cp == 0x3007)


def gbk_characters():
    """Every Chinese character of GBK as (bytes, character), in byte order."""
    for lead in range(0x81, 0xFF):
        for trail in list(range(0x40, 0x7F)) + list(range(0x80, 0xFF)):
            raw = bytes((lead, trail))
            try:
                ch = raw.decode('gbk')
            except UnicodeDecodeError:
                continue
            if len(ch) == 1 and is_han(ch):
                yield raw, ch


def is_gb2312(raw):
    try:
        raw.decode('gb2312')
        return True
    except UnicodeDecodeError:
        return False


def toneless(syllable):
    """zhāng -> zhang, lǜ -> lv."""
    decomposed = unicodedata.normalize('NFD', syllable.strip().lower())
    decomposed = decomposed.replace('u\u0308', 'v')
    return ''.join(c for c in decomposed if not unicodedata.combining(c))


def first_reading(field, value):
    # kMandarin: "zhǎng" or "shěn chén"; the others: "038.110:cháng 466.110:zhǎng"
    # or "10093.130:xī,lǔ".
    first = value.split()[0]
    if field != 'kMandarin':
        first = first.split(':', 1)[1].split(',')[0]
    return first


def read_pinyin(path):
    fields = {}
    with bz2.open(path, 'rt', encoding='utf-8') as source:
        for line in source:
            if line.startswith('#') or not line.strip():
                continue
            code_point, field, value = line.rstrip('\n').split('\t', 2)
            if field in READING_FIELDS:
                fields.setdefault(chr(int(code_point[2:], 16)), {})[field] = value
    pinyin = {}
    for ch, values in fields.items():
        for field in READING_FIELDS:
            if field in values:
                pinyin[ch] = toneless(first_reading(field, values[field]))
                break
    for ch, reading in PINYIN_OVERRIDES.items():
        pinyin[ch] = toneless(reading)
    return pinyin


def dict_entries(path):
    """The (text, code, ...) rows of a Rime dictionary: everything after '...'."""
    with open(path, encoding='utf-8') as source:
        in_body = False
        for line in source:
            line = line.rstrip('\n')
            if not in_body:
                in_body = line == '...'
                continue
            if not line or line.startswith('#'):
                continue
            yield line.split('\t')


def read_wubi(path):
    # Codes beginning with z are the pinyin-lookup key, and the one-letter
    # short codes of the commonest characters do not always start with the
    # character's own first key (不 is "i", its full code "gii").
    best = {}
    for columns in dict_entries(path):
        if len(columns) < 2 or len(columns[0]) != 1:
            continue
        ch, code = columns[0], columns[1].strip()
        if len(code) < 2 or code.startswith('z') or not code.isalpha():
            continue
        if ch not in best or len(code) > len(best[ch]):
            best[ch] = code
    return {ch: code[0] for ch, code in best.items()}


def read_strokes(path):
    # The file holds the Taiwan table in code-point order, then a supplement
    # with the mainland stroke order, again in code-point order from the start.
    entries = [(c[0], c[1]) for c in dict_entries(path)
               if len(c) >= 2 and len(c[0]) == 1 and c[1][:1] in STROKE_KEYS]
    if not entries:
        sys.exit(f'{path}: no entries')
    lowest = ord(entries[0][0])
    restarts = [i for i in range(1, len(entries))
                if ord(entries[i][0]) < ord(entries[i - 1][0])
                and ord(entries[i][0]) <= lowest]
    if len(restarts) != 1:
        sys.exit(f'{path}: cannot tell where the mainland supplement begins')
    taiwan, mainland = entries[:restarts[0]], entries[restarts[0]:]
    first = {}
    for table in (mainland, taiwan):
        for ch, code in table:
            first.setdefault(ch, code[0])
    return first


def lookup(table, ch):
    # Compatibility ideographs are mostly known under their unified form.
    if ch in table:
        return table[ch]
    return table.get(unicodedata.normalize('NFC', ch), '')


def table_line(raw, wubi, stroke, pinyin):
    line = bytearray(b' ' * 37)
    line[0:2] = raw
    for column, key in ((7, wubi), (13, stroke), (37, pinyin)):
        if key:
            line[column - 1] = ord(key)
    return bytes(line).rstrip(b' ') + b'\n'


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__.split('\n', 1)[0])
    parser.add_argument('--output', type=pathlib.Path, default=root / 'resources' / 'Ime.DCT')
    parser.add_argument('--unihan', default=UNIHAN_READINGS)
    parser.add_argument('--wubi', default=WUBI86_DICT)
    parser.add_argument('--stroke', default=STROKE_DICT)
    args = parser.parse_args()

    pinyin = read_pinyin(args.unihan)
    wubi = read_wubi(args.wubi)
    strokes = read_strokes(args.stroke)

    lines = []
    counts = {name: {'total': 0, 'covered': 0, 'pinyin': 0, 'wubi': 0, 'stroke': 0, 'all': 0}
              for name in ('GB2312', 'GBK')}
    for raw, ch in gbk_characters():
        codes = {'wubi': lookup(wubi, ch), 'stroke': lookup(strokes, ch),
                 'pinyin': lookup(pinyin, ch)[:1]}
        for name in ('GB2312', 'GBK') if is_gb2312(raw) else ('GBK',):
            count = counts[name]
            count['total'] += 1
            for kind, key in codes.items():
                count[kind] += bool(key)
            count['covered'] += any(codes.values())
            count['all'] += all(codes.values())
        if any(codes.values()):
            lines.append(table_line(raw, codes['wubi'], codes['stroke'], codes['pinyin']))

    args.output.write_bytes(b''.join(lines))
    print(f'{args.output}: {len(lines)} characters')
    for name, count in counts.items():
        print(f"{name}: covered {count['covered']} / {count['total']}"
              f" (all three codes {count['all']}; pinyin {count['pinyin']},"
              f" wubi {count['wubi']}, stroke {count['stroke']})")


if __name__ == '__main__':
    main()
