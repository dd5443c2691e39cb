#!/usr/bin/env python3
"""Builds the simulated maker's catalog service under www/: one catalog file
per interface language, the catalog icons (rendered from art/*.svg) and the
package files that the package tool stand-in installs; and points the
appliance's catalog address (corvex.conf) at it.

usage: make-catalog.py PORT            all of it, served on PORT
       make-catalog.py --address PORT  only the catalog files and the address:
                                       the service now listens on PORT"""
import io, os, re, subprocess, sys, tarfile
from xml.sax.saxutils import escape

here = os.path.dirname(os.path.abspath(__file__))
www = os.path.join(here, 'www')
sysroot = os.path.dirname(os.path.dirname(here))
address_only = sys.argv[1:2] == ['--address']
port = int(sys.argv[-1])
base = f'http://127.0.0.1:{port}'
install_root = '/share/vol1/.tellora/apps'

LANGS = ['chs', 'cht', 'cze', 'dan', 'dut', 'eng', 'fin', 'fre', 'grk', 'hun', 'ita', 'jpn',
         'kor', 'nor', 'pol', 'por', 'rom', 'rus', 'spa', 'swe', 'tha', 'tur', 'ger']
MODEL, OTHER_MODEL = 'TLR-440', 'TLR-880'

# name, title, version, maintainer, date, art, descriptions by language (eng is
# the fallback), platforms as (model, needs extended hardware), extra elements.
ITEMS = [
    dict(name='Lumen', version='1.2.0', maintainer='Brightfield Studio', date='2025-03-02', art='lumen',
         desc={'eng': 'Photo slideshows from your shared folders.',
               'ger': 'Diaschauen aus Ihren freigegebenen Ordnern.',
               'fre': 'Diaporamas de vos dossiers partagés.'},
         more={'eng': ' Music can play along.', 'ger': ' Auf Wunsch mit Musik.', 'fre': ' Avec musique si vous voulez.'},
         platforms=[(MODEL, False), (OTHER_MODEL, False)]),
    dict(name='Tempo', version='2.0.1', maintainer='Lowfold Audio', date='2025-01-20', art='tempo',
         desc={'eng': 'Your music library on the big screen.', 'ger': 'Ihre Musiksammlung auf dem Fernseher.'},
         platforms=[(OTHER_MODEL, False), (MODEL, False)]),
    dict(name='Atlas', version='0.8.0', maintainer='Northpine Maps', date='2024-11-05', art='atlas', cdata=True,
         desc={'eng': 'Maps & places <offline>, steered with the remote.'},
         platforms=[(MODEL, False)]),
    dict(name='Kite', version='1.0.0', maintainer='Paperboat Kids', date='2025-02-14', art='kite',
         desc={'eng': 'Cartoons and stories for children.', 'fre': 'Dessins animés et histoires pour enfants.'},
         platforms=[(MODEL, False)]),
    # An update of an installed package.
    dict(name='Cinema', version='3.3.0', maintainer='Tellora Labs', date='2025-03-10', art='cinema',
         desc={'eng': 'Films from your shared folders, now with chapters.'},
         platforms=[(MODEL, False)]),
    # Its package file is missing on the server: the job never ends.
    dict(name='Mosaic', version='0.5.0', maintainer='Tilework', date='2025-02-01', art='mosaic', broken=True,
         desc={'eng': 'Puzzle game (its package file is missing: installing it fails).'},
         platforms=[(MODEL, False)]),
    # Only for appliances with the extended hardware.
    dict(name='Studio', version='1.1.0', maintainer='Bluefern', date='2025-01-02', art='studio',
         desc={'eng': 'Karaoke rooms with microphone effects.'},
         platforms=[(MODEL, True)]),
    # Not for the television, another product, and the product itself.
    dict(name='Vault', version='1.0.0', maintainer='Tellora Labs', date='2025-01-01', tvinstall='no',
         desc={'eng': 'Backup service.'}, platforms=[(MODEL, False)]),
    dict(name='Quill', version='4.0.0', maintainer='Deskline', date='2025-01-01', klass='Deskline',
         desc={'eng': 'Office suite.'}, platforms=[(MODEL, False)]),
    dict(name='Tellora', version='9.9.9', maintainer='Tellora Labs', date='2025-01-01',
         desc={'eng': 'The home screen itself.'}, platforms=[(MODEL, False)]),
]


def text(table, lang):
    return table.get(lang, table.get('eng', '')) if table else ''


def package_file(item, model):
    return f"{item['name']}_{item['version']}_{model}.tpkg"


def catalog_xml(lang):
    out = ['<?xml version="1.0" encoding="utf-8"?>', '<plugins>']
    for item in ITEMS:
        out.append('  <item>')
        el = lambda tag, value: out.append(f'    <{tag}>{escape(value)}</{tag}>')
        el('internalName', item['name'])
        el('name', item['name'])
        el('class', item.get('klass', 'Tellora'))
        el('TVInstall', item.get('tvinstall', 'yes'))
        el('NASInstall', 'no')
        el('version', item['version'])
        el('maintainer', item['maintainer'])
        el('publishedDate', item['date'])
        if 'art' in item:
            el('icon_tv', f"{base}/icons/{item['art']}_tv.png")
        if item.get('cdata'):
            out.append(f"    <description><![CDATA[{text(item['desc'], lang)}]]></description>")
        else:
            el('description', text(item['desc'], lang))
        if item.get('more'):
            el('moreDescription', text(item['more'], lang))
        for model, extended in item['platforms']:
            out.append('    <platform>')
            out.append(f'      <platformID>{model}</platformID>')
            out.append(f"      <location>{base}/packages/{package_file(item, model)}</location>")
            out.append(f"      <platformReq>{'1' if extended else ''}</platformReq>")
            out.append('    </platform>')
        out.append('  </item>')
    out.append('</plugins>')
    return '\n'.join(out) + '\n'


def render_icons(arts):
    """The catalog icons at the tile's 380 x 380, drawn in one run by the
    renderer the build draws the product's pictures with (ARTGEN). Returns
    the arts that have an icon."""
    artgen = os.environ.get('ARTGEN', '')
    if not os.access(artgen, os.X_OK):
        print(f'setup: no picture renderer at {artgen or "(unset)"} (build first): the catalog has no icons',
              file=sys.stderr)
    else:
        manifest = os.path.join(www, 'icons.txt')
        with open(manifest, 'w') as f:
            f.writelines(f'icons/{a}_tv.png {a}.svg 380x380\n' for a in arts)
        if subprocess.run([artgen, manifest, os.path.join(here, 'art'), www]).returncode:
            print('setup: could not render the catalog icons', file=sys.stderr)
        os.remove(manifest)
    return {a for a in arts if os.path.exists(icon_path(a))}


def icon_path(art):
    return os.path.join(www, 'icons', art + '_tv.png')


def descriptor(item):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', '<IVO>', f"\t<name>{item['name']}</name>"]
    for lang, value in sorted(item['desc'].items()):
        lines.append(f'\t<description lang="{lang}">{escape(value)}</description>')
    lines += [f"\t<description>{escape(text(item['desc'], 'eng'))}</description>",
              '\t<icon_tv>icon_tv.png</icon_tv>',
              f"\t<start>{install_root}/{item['name']}/run.sh</start>", '</IVO>']
    return '\n'.join(lines) + '\n'


def package_conf(item):
    return (f"Display_Name = {item['name']}\nVersion = {item['version']}\n"
            f"Author = {item['maintainer']}\nDate = {item['date']}\n")


def add(tar, name, data):
    info = tarfile.TarInfo(name)
    info.size = len(data)
    info.mtime = 0
    tar.addfile(info, io.BytesIO(data))


def write_catalogs():
    for lang in LANGS:
        path = os.path.join(www, f'bentocenter_{lang}.xml')
        with open(path + '.tmp', 'w', encoding='utf-8') as f:
            f.write(catalog_xml(lang))
        os.replace(path + '.tmp', path)


def write_address():
    """"System"/"BENTO CENTER XML" in corvex.conf: added when missing; an
    address of ours is moved to the current port; a developer's own address
    is kept."""
    path = os.path.join(sysroot, 'etc', 'config', 'corvex.conf')
    url = f'{base}/bentocenter_%s.xml'
    key = 'BENTO CENTER XML'
    try:
        with open(path, encoding='utf-8') as f:
            lines = f.read().splitlines()
    except FileNotFoundError:
        lines = []
    section, system_end, done = None, None, False
    for i, line in enumerate(lines):
        s = line.strip()
        if s.startswith('[') and s.endswith(']'):
            section = s[1:-1]
            continue
        if section == 'System':
            if s:
                system_end = i + 1
            if '=' in s and s.split('=', 1)[0].strip() == key:
                if re.fullmatch(r'http://127\.0\.0\.1:\d+/bentocenter_%s\.xml', s.split('=', 1)[1].strip()):
                    lines[i] = f'{key} = {url}'
                done = True
    if not done:
        if system_end is None:
            if lines and lines[-1].strip():
                lines.append('')
            lines += ['[System]', f'{key} = {url}']
        else:
            lines.insert(system_end, f'{key} = {url}')
    with open(path + '.tmp', 'w', encoding='utf-8') as f:
        f.write('\n'.join(lines) + '\n')
    os.replace(path + '.tmp', path)


def main():
    for sub in ('icons', 'packages'):
        os.makedirs(os.path.join(www, sub), exist_ok=True)
    write_catalogs()
    write_address()
    if address_only:
        return
    with_icon = render_icons([item['art'] for item in ITEMS if 'art' in item])
    for item in ITEMS:
        if 'art' not in item:
            continue
        png = icon_path(item['art'])
        for model, _ in item['platforms']:
            target = os.path.join(www, 'packages', package_file(item, model))
            if item.get('broken'):
                if os.path.exists(target):
                    os.remove(target)
                continue
            with tarfile.open(target, 'w:gz') as tar:
                add(tar, 'package.conf', package_conf(item).encode())
                add(tar, '.ivo/ivo.xml', descriptor(item).encode())
                with open(os.path.join(here, 'art', item['art'] + '.svg'), 'rb') as f:
                    add(tar, 'icon.svg', f.read())
                if item['art'] in with_icon:
                    with open(png, 'rb') as f:
                        add(tar, 'icon_tv.png', f.read())


if __name__ == '__main__':
    main()
