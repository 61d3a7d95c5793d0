#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets: small files shaped like the
game's own (CP932, CR LF), and the hostile ones a player's disk may hold.
Run from anywhere; it rewrites fuzz/corpus/<target>/ beside this script."""
import hashlib
import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent
PART = b'\x1e'  # between the parts of one input
PATH = b'\x1f'  # between a file's path and its bytes


def sj(*lines, end=True, lf=False):
    """The lines as the game writes them: CP932, CR LF after every line."""
    eol = '\n' if lf else '\r\n'
    text = eol.join(lines) + (eol if end else '')
    return text.encode('cp932')


def utf8(*lines):
    return ''.join(line + '\r\n' for line in lines).encode('utf-8')


def day_line(stamp_day, longest, raft, count, total, angler, minute=30):
    return f'記録2002年10月{stamp_day:02d}日14時{minute:02d}分{longest:02d}{raft}{count:03d}{total:04d}{angler}'


def parts(*items):
    return PART.join(items)


def file(path, data):
    return path.encode('utf-8') + PATH + data


STAMP = '2002年10月05日14時30分'
GOOD_DAYS = [
    day_line(5, 52, 1, 3, 140, '釣人Ａ'),
    day_line(4, 48, 2, 5, 210, '釣人Ｂ'),
    day_line(3, 52, 1, 1, 52, '釣人Ａ'),
    day_line(2, 35, 5, 2, 66, '山田　太郎'),
    day_line(1, 61, 3, 7, 330, '釣人Ｂ'),
]
BROKEN = [
    '記録2002年10月0',  # cut short
    '記録2002年10月05日14時30分5x1003140釣人Ａ',  # a key that is no number
    'メモ：この日は雨でした',  # a hand-edited line
    '   ' + day_line(6, 40, 4, 2, 80, '釣人Ｃ'),  # leading blanks
    day_line(7, 33, 9, 1, 33, '釣人Ｄ'),  # a raft digit that names no raft
    day_line(8, 33, 0, 1, 33, '釣人Ｄ'),
]
NOT_CP932 = b'\x82\xa0\xff\xfe\x80 broken\r\n'
GOOD_LIST = sj(' 3 ', '釣人Ａ', '釣人Ｂ', '山田　太郎')
HOSTILE_NAMES = ['..', '../..', '../外1', '.', 'チヌ記録.txt', 'チヌ記録.txt.bak', '釣り人.txt', 'すべて', 'a/b']
GOOD_RECORDS = sj(str(len(GOOD_DAYS)), *GOOD_DAYS)

ANGLER_LISTS = {
    'good': GOOD_LIST,
    'count-minus-one': sj(' -1 ', '釣人Ａ', '釣人Ｂ'),
    'count-one-three-names': sj(' 1 ', '釣人Ａ', '釣人Ｂ', '釣人Ｃ'),
    'count-not-a-number': sj('名簿', '釣人Ａ', '釣人Ｂ'),
    'count-too-large': sj(' 9 ', '釣人Ａ'),
    'not-cp932-line': sj(' 3 ', '釣人Ａ') + NOT_CP932 + sj('釣人Ｂ'),
    'utf8-list': utf8(' 2 ', '釣人Ａ', '山田太郎'),
    'hostile-names': sj(f' {len(HOSTILE_NAMES) + 1} ', '釣人Ａ', *HOSTILE_NAMES),
    'blank-and-padded': sj(' 4 ', '', '  釣人Ａ  ', '\t', '釣人Ｂ'),
    'last-line-without-end': sj(' 2 ', '釣人Ａ', '釣人Ｂ', end=False),
    'lf-only': sj(' 2 ', '釣人Ａ', '釣人Ｂ', lf=True),
    'empty': b'',
    'cut-double-byte': sj(' 1 ') + '釣人'.encode('cp932') + b'\x82',
    'control-codes': sj(' 2 ', '釣\x07人', '釣人Ｂ'),
    'nec-ibm-duplicates': sj(' 2 ') + b'\xed\x40\xed\x41\r\n\xfa\x5c\r\n',
}

RECORD_FILES = {
    'good': GOOD_RECORDS,
    'broken-lines': sj('11', *GOOD_DAYS, *BROKEN),
    'hand-edited': sj('6', GOOD_DAYS[0], 'メモ：この日は雨でした', *GOOD_DAYS[1:]),
    'no-count-line': sj(*GOOD_DAYS),
    'wrong-count': sj('999', *GOOD_DAYS[:2]),
    'count-only': sj('0'),
    'blank-lines': sj('2', '', GOOD_DAYS[0], '　　', GOOD_DAYS[1], ''),
    'not-cp932-line': sj('3', GOOD_DAYS[0]) + NOT_CP932 + sj(GOOD_DAYS[1]),
    'utf8-records': utf8('2', GOOD_DAYS[0], GOOD_DAYS[1]),
    'last-line-without-end': sj('2', GOOD_DAYS[0], GOOD_DAYS[1], end=False),
    'empty': b'',
    'ties-past-tenth': sj('14', *[day_line(d % 28 + 1, 40, 1 + d % 5, 2, 80, f'釣人{d % 3}', d % 60)
                                   for d in range(14)]),
    'hostile-anglers': sj('3', *[day_line(5, 40, 1, 1, 40, name) for name in ('..', '../外1', 'チヌ記録.txt')]),
}

DAY_FILES = {
    'good': parts(f'{STAMP}003大浜.txt'.encode(), sj('大浜', 'チヌ  45センチ', 'チヌ  52センチ', 'チヌ  38センチ')),
    'overflow': parts(f'{STAMP}002大浜.txt'.encode(), sj('大浜', 'チヌ  2147483647センチ', 'チヌ  6センチ')),
    'huge-lengths': parts(f'{STAMP}002岬.txt'.encode(), sj('岬', 'チヌ  99999999999999999999センチ', 'チヌ  1000センチ')),
    'fewer-lines-than-count': parts(f'{STAMP}009小浜.txt'.encode(), sj('小浜', 'チヌ  45センチ')),
    'more-lines-than-count': parts(f'{STAMP}001湾口.txt'.encode(), sj('湾口', 'チヌ  45センチ', 'チヌ  46センチ')),
    'count-not-digits': parts(f'{STAMP}abc沖の瀬.txt'.encode(), sj('沖の瀬', 'チヌ  30センチ')),
    'short-name': parts(b'a.txt', sj('大浜')),
    'not-cp932': parts(f'{STAMP}002大浜.txt'.encode(), sj('大浜', 'チヌ  45センチ') + NOT_CP932),
    'last-line-without-end': parts(f'{STAMP}002大浜.txt'.encode(), sj('大浜', 'チヌ  45センチ', 'チヌ  40センチ', end=False)),
    'empty': parts(f'{STAMP}000大浜.txt'.encode(), b''),
    'dot-dot-name': parts(b'..', sj('大浜')),
}

COMBOS = {
    'good': parts(GOOD_LIST, GOOD_RECORDS),
    'hostile-names': parts(ANGLER_LISTS['hostile-names'], RECORD_FILES['hostile-anglers']),
    'utf8-both': parts(ANGLER_LISTS['utf8-list'], RECORD_FILES['utf8-records']),
    'broken': parts(ANGLER_LISTS['count-one-three-names'], RECORD_FILES['broken-lines']),
    'empty': parts(b'', b''),
}


def day_file(angler, raft, *lengths):
    name = f'{angler}/{STAMP}{len(lengths):03d}{raft}.txt'
    return file(name, sj(raft, *[f'チヌ  {n}センチ' for n in lengths]))


BROWSER = {
    'good': parts(GOOD_LIST, b'\x00\x01\x00', day_file('釣人Ａ', '大浜', 45, 52), day_file('釣人Ａ', '岬', 30),
                  file('釣人Ａ/メモ.bak', b'x')),
    'dot-dot': parts(sj(' 1 ', '..'), b'\x00\x00\x00'),
    'dot-dot-dot-dot': parts(sj(' 1 ', '../..'), b'\x00\x00\x01'),
    'outside-folder': parts(sj(' 1 ', '../外1'), b'\x00\x00\x00'),
    'record-file-as-angler': parts(sj(' 1 ', 'チヌ記録.txt'), b'\x00\x00\x00', file('チヌ記録.txt', GOOD_RECORDS)),
    'overflow-day': parts(sj(' 1 ', '釣人Ａ'), b'\x00\x00\x00',
                          file(f'釣人Ａ/{STAMP}002大浜.txt', sj('大浜', 'チヌ  2147483647センチ', 'チヌ  6センチ'))),
    'folder-named-txt': parts(sj(' 1 ', '釣人Ａ'), b'\x00\x00\x00', file('釣人Ａ/古い日.txt/', b''),
                              day_file('釣人Ａ', '大浜', 40)),
    'count-one-three-names': parts(ANGLER_LISTS['count-one-three-names'], b'\x02\x00\x00',
                                   day_file('釣人Ｃ', '小浜', 33)),
    'empty': parts(b'', b''),
}

REGISTER = {
    'new-name': parts(GOOD_LIST, '釣人Ｄ'.encode()),
    'listed-name-padded': parts(GOOD_LIST, '  釣人Ａ '.encode()),
    'no-list': parts(b'', '釣人Ａ'.encode(), '釣人Ｂ'.encode()),
    'count-minus-one': parts(ANGLER_LISTS['count-minus-one'], '新人'.encode()),
    'count-one-three-names': parts(ANGLER_LISTS['count-one-three-names'], '新人'.encode()),
    'not-cp932-line': parts(ANGLER_LISTS['not-cp932-line'], '新人'.encode()),
    'utf8-list': parts(ANGLER_LISTS['utf8-list'], '新人'.encode()),
    'hostile-typed': parts(GOOD_LIST, *[n.encode() for n in HOSTILE_NAMES], 'ＣＨＩＮＵ記録.TXT'.encode()),
    'hostile-list': parts(ANGLER_LISTS['hostile-names'], '新人'.encode()),
    'last-line-without-end': parts(ANGLER_LISTS['last-line-without-end'], '新人'.encode()),
    'wave-dash': parts(GOOD_LIST, '波〜人'.encode(), '\uf86f'.encode()),
    # A name where the count belongs (the list written by hand), and a count
    # too large for the reader: both first lines stay as they are.
    'name-for-count': parts(sj('釣人Ａ', '釣人Ｂ'), '新人'.encode()),
    'huge-count': parts(sj(' 99999999999 ', '釣人Ａ'), '新人'.encode()),
    # Digits padded with bytes that are no ASCII blank: no count, kept as is.
    'count-padded-with-a0': parts(b' 10' + b'\xa0' * 4 + b' \r\n' + sj('釣人Ａ', '..'), '新人'.encode()),
    # The typed name is there, but beyond a count that falls short.
    'listed-beyond-count': parts(sj(' 1 ', '釣人Ｃ', '釣人Ａ', '釣人Ｂ'), '釣人Ａ'.encode()),
    # A count over the lines and a last line ended by CR alone; the name
    # typed is listed already, so the file stays as it is.
    'listed-count-over': parts(sj(' 3 ', '釣人Ａ', '釣人Ｂ', end=False) + b'\r', '釣人Ａ'.encode()),
}

SAVE = {
    'first-save': parts(b'', '釣人Ａ'.encode(), b'\x00\x10\x20\x30'),
    'second-save': parts(GOOD_RECORDS, '釣人Ａ'.encode(), b'\x02\x05\x09'),
    'broken-lines': parts(RECORD_FILES['broken-lines'], '釣人Ｂ'.encode(), b'\x01\x07'),
    'not-cp932-line': parts(RECORD_FILES['not-cp932-line'], '釣人Ｂ'.encode(), b'\x01\x07'),
    'utf8-records': parts(RECORD_FILES['utf8-records'], '釣人Ｂ'.encode(), b'\x01\x07'),
    'last-line-without-end': parts(RECORD_FILES['last-line-without-end'], '釣人Ａ'.encode(), b'\x03\x01'),
    'same-minute-twice': parts(GOOD_RECORDS, '釣人Ａ'.encode(), b'\x00\x10\x20',
                               sj('大浜', 'チヌ  40センチ', 'チヌ  50センチ')),
    'record-file-as-name': parts(GOOD_RECORDS, 'チヌ記録.txt'.encode(), b'\x00\x10'),
    'list-as-name': parts(b'', '釣り人.txt'.encode(), b'\x00\x10'),
    'backup-as-name': parts(GOOD_RECORDS, 'チヌ記録.txt.bak'.encode(), b'\x00\x10'),
    'many-chinu': parts(GOOD_RECORDS, '山田　太郎'.encode(), bytes(range(32, 72))),
}

def save_note(angler, file_name, day_bytes, line):
    """The note a save writes before it claims its day file's name."""
    digest = hashlib.sha256(day_bytes).hexdigest().encode()
    return b'\n'.join([b'namiyose-saving 1', angler.encode(), file_name.encode(), digest, line.encode(), b''])


# A day of 釣人Ａ at 大浜 with 31 and 47 cm (the catch bytes 00 10 20), and
# another day already saved under the same name by a save cut off before its
# record line.
CUT_OFF_DAY = sj('大浜', 'チヌ  40センチ', 'チヌ  50センチ')
CUT_OFF_NAME = STAMP + '002大浜.txt'
CUT_OFF_LINE = day_line(5, 50, 1, 2, 90, '釣人Ａ')
THIS_DAY = sj('大浜', 'チヌ  31センチ', 'チヌ  47センチ')
SAVE.update({
    # Cut off between its day file and its record line: the line is written first.
    'note-finishes-cut-off-day': parts(GOOD_RECORDS, '釣人Ａ'.encode(), b'\x00\x10\x20', CUT_OFF_DAY,
                                       save_note('釣人Ａ', CUT_OFF_NAME, CUT_OFF_DAY, CUT_OFF_LINE)),
    # This very day, tried again after its record line failed.
    'note-of-this-very-day': parts(GOOD_RECORDS, '釣人Ａ'.encode(), b'\x00\x10\x20', THIS_DAY,
                                   save_note('釣人Ａ', CUT_OFF_NAME, THIS_DAY, day_line(5, 47, 1, 2, 78, '釣人Ａ'))),
    # Cut off before its day file was there: nothing to finish.
    'note-without-day-file': parts(GOOD_RECORDS, '釣人Ａ'.encode(), b'\x00\x10\x20', b'',
                                   save_note('釣人Ａ', CUT_OFF_NAME, CUT_OFF_DAY, CUT_OFF_LINE)),
    # A note whose line is another angler's, or no note at all: never written.
    'note-line-of-another-angler': parts(GOOD_RECORDS, '釣人Ａ'.encode(), b'\x00\x10\x20', CUT_OFF_DAY,
                                         save_note('釣人Ａ', CUT_OFF_NAME, CUT_OFF_DAY,
                                                   day_line(5, 50, 1, 2, 90, '釣人Ｂ'))),
    'note-garbage': parts(GOOD_RECORDS, '釣人Ａ'.encode(), b'\x00\x10\x20', b'', b'namiyose-saving 1\n..\n\xff\n'),
    'note-leading-out': parts(GOOD_RECORDS, '釣人Ａ'.encode(), b'\x00\x10\x20', b'',
                              save_note('..', '../外1', CUT_OFF_DAY, CUT_OFF_LINE)),
})

PRUNE = {
    'good': parts(GOOD_RECORDS),
    'ties-past-tenth': parts(RECORD_FILES['ties-past-tenth']),
    'hand-edited': parts(RECORD_FILES['hand-edited']),
    'broken-lines-second-pruning': parts(RECORD_FILES['broken-lines'], GOOD_RECORDS),
    'not-cp932-line': parts(RECORD_FILES['not-cp932-line']),
    'utf8-records': parts(RECORD_FILES['utf8-records']),
    'empty': parts(b'', b''),
    'count-only': parts(RECORD_FILES['count-only']),
    'last-line-without-end': parts(RECORD_FILES['last-line-without-end']),
}

TARGETS = {
    'anglerlist': ANGLER_LISTS,
    'recordfile': RECORD_FILES,
    'dayfile': DAY_FILES,
    'combos': COMBOS,
    'browser': BROWSER,
    'register': REGISTER,
    'save': SAVE,
    'prune': PRUNE,
}

for target, seeds in TARGETS.items():
    folder = HERE / target
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir()
    for name, data in seeds.items():
        (folder / name).write_bytes(data)
