"""The player's guide as a browser meets it: well-formed HTML (every element
closed in the order opened, no stray end tag), in Japanese and UTF-8, every
link inside the page pointing at an id it has, and every picture it names
present beside it with a text for readers who cannot see it.

    python3 tests/guide_check.py docs/guide/使い方.html
"""
import html.parser
import os
import sys

VOID = {'area', 'base', 'br', 'col', 'embed', 'hr', 'img', 'input', 'link', 'meta', 'source', 'track', 'wbr'}


class Guide(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open, self.faults, self.ids, self.links, self.pictures = [], [], set(), [], []
        self.doctype = self.lang = self.charset = False

    def where(self):
        return 'line %d' % self.getpos()[0]

    def handle_decl(self, decl):
        self.doctype = self.doctype or decl.lower() == 'doctype html'

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if 'id' in a:
            if a['id'] in self.ids:
                self.faults.append('%s: id "%s" twice' % (self.where(), a['id']))
            self.ids.add(a['id'])
        if tag == 'html':
            self.lang = a.get('lang') == 'ja'
        if tag == 'meta' and (a.get('charset') or '').lower() == 'utf-8':
            self.charset = True
        if tag == 'a' and (a.get('href') or '').startswith('#'):
            self.links.append((self.where(), a['href'][1:]))
        if tag == 'img':
            self.pictures.append((self.where(), a.get('src'), a.get('alt')))
        if tag not in VOID:
            self.open.append((tag, self.where()))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.open.pop()

    def handle_endtag(self, tag):
        if tag in VOID:
            self.faults.append('%s: </%s> closes an element that has no end' % (self.where(), tag))
        elif not self.open or self.open[-1][0] != tag:
            opened = self.open[-1] if self.open else ('nothing', '')
            self.faults.append('%s: </%s> while <%s> (%s) is open' % (self.where(), tag, *opened))
        else:
            self.open.pop()


def check(path):
    guide = Guide()
    with open(path, encoding='utf-8') as page:
        guide.feed(page.read())
    guide.close()
    faults = list(guide.faults)
    faults += ['<%s> opened at %s is never closed' % opened for opened in guide.open]
    if not guide.doctype:
        faults.append('no <!DOCTYPE html>')
    if not guide.lang:
        faults.append('<html> is not lang="ja"')
    if not guide.charset:
        faults.append('no <meta charset="utf-8">')
    faults += ['%s: link to #%s, which is no id' % (at, to) for at, to in guide.links if to not in guide.ids]
    folder = os.path.dirname(os.path.abspath(path))
    if not guide.pictures:
        faults.append('no pictures')
    for at, source, alt in guide.pictures:
        if not source or not os.path.isfile(os.path.join(folder, source)):
            faults.append('%s: picture %s is missing' % (at, source))
        if not alt:
            faults.append('%s: picture %s has no alt text' % (at, source))
    return faults


if __name__ == '__main__':
    problems = check(sys.argv[1])
    for problem in problems:
        print('%s: %s' % (sys.argv[1], problem))
    sys.exit(1 if problems else 0)
