"""Reads mail with Python's email package, an independent MIME parser.

  read_mail.py mail FILE   prints every header as "H<TAB>name<TAB>hex of the
                           UTF-8 of its decoded text", then "B<TAB>hex of the
                           decoded body bytes"
  read_mail.py words FILE  FILE holds lines "hex of a header text<TAB>hex of
                           the UTF-8 text it must decode to"; prints a line
                           for every mismatch, then "checked N"
"""
import email
import sys
from email.header import decode_header, make_header


def decoded(text):
    return str(make_header(decode_header(text)))


def read_mail(path):
    with open(path, "rb") as f:
        message = email.message_from_bytes(f.read())
    for name, value in message.items():
        print("H\t%s\t%s" % (name, decoded(value).encode("utf-8").hex()))
    print("B\t%s" % message.get_payload(decode=True).hex())


def check_words(path):
    count = 0
    with open(path) as f:
        for line in f:
            word_hex, expected_hex = line.rstrip("\n").split("\t")
            word = bytes.fromhex(word_hex).decode("ascii")
            expected = bytes.fromhex(expected_hex).decode("utf-8")
            got = decoded(word)
            if got != expected:
                print("mismatch %r: %r != %r" % (word, got, expected))
            count += 1
    print("checked %d" % count)


if __name__ == "__main__":
    {"mail": read_mail, "words": check_words}[sys.argv[1]](sys.argv[2])
