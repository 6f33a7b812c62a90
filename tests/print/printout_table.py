"""Makes and reads print settings tables for the tests, with libraries of their own.

make TABLE              a table of two named settings
dump TABLE OUT          one line per record: name|xscale|yscale|xorigin|yorigin|LMVB
"""
import sys

import dbf
import dbfread

FIELDS = ('name C(25); xscale N(10,4); yscale N(10,4); xorigin N(6,0); yorigin N(6,0); '
          'landscape L; monochrom L; variable L; borderline L')


def make(path):
    table = dbf.Table(path, FIELDS, dbf_type='db3')
    table.open(dbf.READ_WRITE)
    table.append(('A4 quer', 1.5, 0.75, 10, 20, True, False, True, False))
    table.append(('Zeichnung', 1.9, 1.0, 0, 0, False, True, False, True))
    table.close()


def dump(path, out):
    flags = ('LANDSCAPE', 'MONOCHROM', 'VARIABLE', 'BORDERLINE')
    with open(out, 'w') as lines:
        for record in dbfread.DBF(path):
            values = [record['NAME'], '%g' % record['XSCALE'], '%g' % record['YSCALE'],
                      '%d' % record['XORIGIN'], '%d' % record['YORIGIN'],
                      ''.join('T' if record[f] else 'F' for f in flags)]
            lines.write('|'.join(values) + '\n')


if __name__ == '__main__':
    if sys.argv[1] == 'make':
        make(sys.argv[2])
    else:
        dump(sys.argv[2], sys.argv[3])
