#!/usr/bin/python3
"""Writes content/card-stocks.json, the card-stock database of the layout dialog.

The facts come from two places:
  * the business-card templates of Debian's glabels-data package (public
    template data, read from its XML files; the XML is not copied);
  * the program's 21 built-in layouts, read from src/app/model/TCardLayout.cpp.

A template is a business card when it carries the category "business-card",
or when its one rectangular card measures like a business card (83 to 92 mm
by 49 to 56 mm, either way round).  Templates with more than one card shape or
more than one grid cannot be described by one layout and are left out (the
script names them on stderr).

Every length in the file is in inches, the unit the program keeps layouts in.
glabels lengths are converted exactly: pt / 72, in, mm / 25.4, cm / 2.54,
pc / 6.  Where a built-in layout and a template name the same product, the
built-in values are kept (stored settings rely on them) and the difference is
written into the built-in entry's "note".

Usage: make-card-stocks.py [TEMPLATE_DIR] [OUTPUT]
"""

import json
import os
import re
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TEMPLATE_DIR = '/usr/share/libglabels-3.0/templates'
OUTPUT = os.path.join(ROOT, 'content', 'card-stocks.json')

# Windows paper codes of the program; any other paper is custom (256).
PAPER_CODES = {'US-Letter': 1, 'US-Legal': 5, 'A3': 8, 'A4': 9, 'A5': 11}
PAPER_CUSTOM = 256


def inches(text):
    """A glabels length ("3.5in", "85mm", "255.118", "9pt") in inches."""
    text = text.strip()
    match = re.fullmatch(r'([-+0-9.eE]+)\s*([a-z]*)', text)
    if not match:
        raise ValueError('not a length: %r' % text)
    number, unit = match.groups()
    if unit == '':
        unit = 'pt'
    if unit == 'in':
        return float(number)
    if unit == 'mm':
        return float(number) / 25.4
    if unit == 'cm':
        return float(number) / 2.54
    if unit == 'pt':
        return float(number) / 72
    if unit == 'pc':
        return float(number) / 6
    raise ValueError('unknown unit in %r' % text)


def strip_namespaces(root):
    """Some template files declare the glabels XML namespace, some do not."""
    for element in root.iter():
        if isinstance(element.tag, str) and element.tag.startswith('{'):
            element.tag = element.tag.split('}', 1)[1]
    return root


def paper_sizes(template_dir):
    sizes = {}
    root = strip_namespaces(ET.parse(os.path.join(template_dir, 'paper-sizes.xml')).getroot())
    for paper in root.iter('Paper-size'):
        sizes[paper.get('id')] = (inches(paper.get('width')), inches(paper.get('height')))
    return sizes


def is_card_size(width, height):
    w, h = max(width, height) * 25.4, min(width, height) * 25.4
    return 83 <= w <= 92 and 49 <= h <= 56


def key_of(brand, part):
    return re.sub(r'[^a-z0-9]+', '-', (brand + '-' + part).lower()).strip('-')


def read_templates(template_dir, papers):
    """Every business-card template as a database entry, in file order."""
    entries = []
    equivalents = []  # (brand, part, equiv part)
    for name in sorted(os.listdir(template_dir)):
        if not name.endswith('-templates.xml'):
            continue
        root = strip_namespaces(ET.parse(os.path.join(template_dir, name)).getroot())
        for template in root.iter('Template'):
            brand, part = template.get('brand'), template.get('part')
            if template.get('equiv'):
                equivalents.append((brand, part, template.get('equiv')))
                continue
            labels = [e for e in template if e.tag.startswith('Label-')]
            categories = {m.get('category') for m in template.iter('Meta')}
            rects = [e for e in labels if e.tag == 'Label-rectangle']
            if len(rects) != 1:
                continue
            label = rects[0]
            width, height = inches(label.get('width')), inches(label.get('height'))
            if 'business-card' not in categories and not is_card_size(width, height):
                continue
            layouts = label.findall('Layout')
            if len(labels) != 1 or len(layouts) != 1:
                print('left out (not one grid): %s %s in %s' % (brand, part, name), file=sys.stderr)
                continue
            layout = layouts[0]
            size = template.get('size')
            if size == 'Other':
                paper_w, paper_h = inches(template.get('width')), inches(template.get('height'))
            else:
                paper_w, paper_h = papers[size]
            entries.append({
                'key': key_of(brand, part),
                'maker': brand,
                'codes': [part] + [a.get('name') for a in template.findall('Alias')],
                'description': template.get('_description') or template.get('description') or '',
                'paper': size,
                'paperCode': PAPER_CODES.get(size, PAPER_CUSTOM),
                'paperWidth': paper_w,
                'paperHeight': paper_h,
                'width': width,
                'height': height,
                'round': inches(label.get('round', '0')),
                'left': inches(layout.get('x0', '0')),
                'top': inches(layout.get('y0', '0')),
                'hpitch': inches(layout.get('dx', '0')),
                'vpitch': inches(layout.get('dy', '0')),
                'across': int(layout.get('nx')),
                'down': int(layout.get('ny')),
                'source': name,
            })
    by_code = {(e['maker'], e['codes'][0]): e for e in entries}
    for brand, part, equiv in equivalents:
        entry = by_code.get((brand, equiv))
        if entry is not None and part not in entry['codes']:
            entry['codes'].append(part)
    return entries


BUILTIN_ROW = re.compile(r'\{"([^"]+)",\s*([0-9.]+)f,\s*([0-9.]+)f,\s*(\d+),\s*(\d+),\s*([0-9.]+)f,\s*'
                         r'([0-9.]+)f,\s*([0-9.]+)f,\s*([0-9.]+)f,\s*(\d+)\}')
BUILTIN_NAME = re.compile(r'^(?:(Avery) Business Card|(\S+)) (\S+)')


def read_builtins():
    """The 21 built-in layouts from the program's own table, in list order."""
    source = open(os.path.join(ROOT, 'src', 'app', 'model', 'TCardLayout.cpp'), encoding='utf-8').read()
    rows = BUILTIN_ROW.findall(re.sub(r'\s+', ' ', source))
    if len(rows) != 21:
        raise SystemExit('expected 21 built-in layouts, found %d' % len(rows))
    entries = []
    for index, row in enumerate(rows):
        text = row[0]
        match = BUILTIN_NAME.match(text)
        maker = match.group(1) or match.group(2)
        code = match.group(3)
        papercode = int(row[9])
        entries.append({
            'key': 'builtin-%d' % index,
            'builtin': index,
            'maker': maker,
            'codes': [code],
            'description': text,
            'paper': 'US-Letter' if papercode == 1 else 'A4',
            'paperCode': papercode,
            'width': float(row[2]),
            'height': float(row[1]),
            'round': 0.0,
            'left': float(row[6]),
            'top': float(row[5]),
            'hpitch': float(row[7]),
            'vpitch': float(row[8]),
            'across': int(row[3]),
            'down': int(row[4]),
        })
    return entries


FIELDS = [('width', 'card width'), ('height', 'card height'), ('left', 'left margin'), ('top', 'top margin'),
          ('hpitch', 'horizontal pitch'), ('vpitch', 'vertical pitch'), ('across', 'across'), ('down', 'down')]


def note_for(builtin, template):
    """What the template says differently from the built-in layout, to 1/1000 inch."""
    differences = []
    for field, words in FIELDS:
        ours, theirs = builtin[field], template[field]
        if isinstance(ours, int):
            if ours != theirs:
                differences.append('%s %d' % (words, theirs))
        elif abs(ours - theirs) >= 0.0005:
            differences.append('%s %.4f in' % (words, theirs))
    if builtin['paperCode'] != template['paperCode']:
        differences.append('paper %s' % template['paper'])
    name = '%s %s (glabels-data %s)' % (template['maker'], template['codes'][0], template['source'])
    if not differences:
        return 'Same product as %s; the same layout.' % name
    return ('Same product as %s, which gives %s; the built-in values are kept.' %
            (name, ', '.join(differences)))


def merge(builtins, templates):
    for builtin in builtins:
        code = builtin['codes'][0].upper()
        for template in templates:
            if template['maker'].upper() == builtin['maker'].upper() and \
                    code in (c.upper() for c in template['codes']):
                builtin['note'] = note_for(builtin, template)
                builtin['sameAs'] = template['key']
                break


def main():
    template_dir = sys.argv[1] if len(sys.argv) > 1 else TEMPLATE_DIR
    output = sys.argv[2] if len(sys.argv) > 2 else OUTPUT
    papers = paper_sizes(template_dir)
    templates = read_templates(template_dir, papers)
    builtins = read_builtins()
    merge(builtins, templates)
    for entry in builtins:
        entry['paperWidth'], entry['paperHeight'] = (8.5, 11.0) if entry['paperCode'] == 1 else papers['A4']
    keys = set()
    for entry in templates:
        while entry['key'] in keys:  # two makers' files may share a part number
            entry['key'] += '-' + os.path.splitext(entry['source'])[0].split('-')[0]
        keys.add(entry['key'])
    data = {
        'units': 'inches',
        'origin': 'Built-in layouts of the program, then the business-card templates of glabels-data, '
                  'converted by scripts/make-card-stocks.py',
        'paperCodes': {'1': 'Letter', '5': 'Legal', '8': 'A3', '9': 'A4', '11': 'A5', '256': 'custom'},
        'stocks': builtins + templates,
    }
    with open(output, 'w', encoding='utf-8') as out:
        json.dump(data, out, indent=1, ensure_ascii=False)
        out.write('\n')
    print('%d built-in layouts, %d templates, %d product codes' %
          (len(builtins), len(templates), sum(len(t['codes']) for t in templates)), file=sys.stderr)


if __name__ == '__main__':
    main()
