#!/usr/bin/python3
"""Reads QR payloads as phone apps read them, sharing no code with the application: vCard and VEVENT
with python3-vobject, mailto, WhatsApp, UPI, crypto, tel: and directions links with urllib.parse,
and Wi-Fi network texts by the published form "WIFI:T:<type>;S:<name>;P:<password>;H:<hidden>;;", in which a backslash
escapes the next character (so \\; \\, \\: \\" and \\\\ stand for themselves).

Input: a JSON file holding a list of {"kind": ..., "payload": ...}. Output: a JSON list of what was
read, one object per payload, in order.
"""
import json
import re
import sys
import urllib.parse

import vobject


def read_vcard(text):
    card = vobject.readOne(text)
    tel = [[sorted(t.singletonparams), t.value] for t in card.contents.get('tel', [])]
    email = [[sorted(e.singletonparams), e.value] for e in card.contents.get('email', [])]
    adr = card.adr.value
    return {
        'family': card.n.value.family, 'given': card.n.value.given, 'fn': card.fn.value,
        'org': card.org.value if 'org' in card.contents else None,
        'title': card.title.value if 'title' in card.contents else None,
        'url': card.url.value if 'url' in card.contents else None,
        'tel': tel, 'email': email,
        'adr': [adr.street, adr.city, adr.region, adr.code, adr.country],
    }


def read_vevent(text):
    event = vobject.readOne(text)
    return {
        'summary': event.summary.value, 'location': event.location.value,
        'description': event.description.value,
        'dtstart': event.dtstart.value.isoformat(), 'dtend': event.dtend.value.isoformat(),
    }


def query(parts):
    # A mail or payment app takes the first value of each key.
    return {k: v[0] for k, v in urllib.parse.parse_qs(parts.query, keep_blank_values=True).items()}


def read_mailto(text):
    parts = urllib.parse.urlsplit(text)
    q = query(parts)
    return {'scheme': parts.scheme, 'to': urllib.parse.unquote(parts.path),
            'subject': q.get('subject'), 'body': q.get('body')}


def read_whatsapp(text):
    parts = urllib.parse.urlsplit(text)
    number = urllib.parse.unquote(parts.path).strip('/')
    if not number.isdigit():
        raise ValueError('the chat link names no number in digits only: %r' % number)
    return {'host': parts.netloc, 'number': number, 'text': query(parts).get('text')}


def read_upi(text):
    parts = urllib.parse.urlsplit(text)
    result = {'scheme': parts.scheme, 'host': parts.netloc}
    result.update(query(parts))
    return result


def read_crypto(text):
    parts = urllib.parse.urlsplit(text)
    result = {'scheme': parts.scheme, 'address': urllib.parse.unquote(parts.path)}
    result.update(query(parts))
    return result


def read_tel(text):
    # RFC 3966: a global number is "+" and digits with the visual separators - . ( ); no blanks.
    parts = urllib.parse.urlsplit(text)
    number = parts.path.split(';')[0]
    if parts.scheme != 'tel' or not re.fullmatch(r'\+?[0-9().-]*[0-9][0-9().-]*', number):
        raise ValueError('not a telephone URI: %r' % text)
    return {'scheme': parts.scheme, 'number': re.sub(r'[().-]', '', number)}


def read_maps(text):
    # The waypoints after "/maps/dir/", the start first (empty: the phone's position), the destination last.
    parts = urllib.parse.urlsplit(text)
    points = parts.path[len('/maps/dir/'):].split('/')
    if not parts.path.startswith('/maps/dir/') or len(points) < 2:
        raise ValueError('no destination in a directions link: %r' % text)
    latitude, longitude = (float(v) for v in urllib.parse.unquote(points[-1]).split(','))
    return {'start': points[0], 'latitude': latitude, 'longitude': longitude}


def read_wifi(text):
    if not text.startswith('WIFI:'):
        raise ValueError('not a Wi-Fi network text')
    fields, key, value, escaped, in_value = {}, '', '', False, False
    for c in text[5:]:
        if escaped:
            value += c
            escaped = False
        elif in_value and c == '\\':
            escaped = True
        elif in_value and c == ';':
            fields[key] = value
            key, value, in_value = '', '', False
        elif not in_value and c == ':':
            in_value = True
        elif in_value:
            value += c
        elif c != ';':
            key += c
    return fields


READERS = {'vcard': read_vcard, 'vevent': read_vevent, 'mailto': read_mailto, 'whatsapp': read_whatsapp,
           'upi': read_upi, 'crypto': read_crypto, 'wifi': read_wifi, 'tel': read_tel, 'maps': read_maps}


def main():
    with open(sys.argv[1], encoding='utf-8') as f:
        items = json.load(f)
    out = []
    for item in items:
        try:
            out.append(READERS[item['kind']](item['payload']))
        except Exception as e:  # one unreadable payload must not hide the others
            out.append({'error': '%s: %s' % (type(e).__name__, e)})
    json.dump(out, sys.stdout, ensure_ascii=False)


if __name__ == '__main__':
    main()
