"""Independent transfer codings for the coding tests, from Python's base64,
binascii and quopri.

cases SEED            for random inputs of many lengths, one line each:
                      input hex, base64, base64 with 76-column line breaks,
                      lower-case hex, quoted-printable without soft breaks
decode-qp FILE        FILE holds one quoted-printable line per case of
                      "cases"; prints the decoded bytes as hex, one a line
"""
import base64
import binascii
import quopri
import random
import sys

LENGTHS = list(range(0, 80)) + [255, 256, 257, 1000, 4095, 65537]


def inputs(seed):
    generator = random.Random(int(seed))
    for length in LENGTHS:
        yield bytes(generator.getrandbits(8) for _ in range(length))


def main():
    if sys.argv[1] == "cases":
        for data in inputs(sys.argv[2]):
            qp = binascii.b2a_qp(data, quotetabs=True, istext=False)
            qp = qp.replace(b"=\r\n", b"").replace(b"=\n", b"")
            print(data.hex(), base64.b64encode(data).decode(),
                  base64.encodebytes(data).decode().replace("\n", "\\n"),
                  binascii.hexlify(data).decode(), qp.decode("ascii"), sep="\t")
    elif sys.argv[1] == "decode-qp":
        with open(sys.argv[2], "rb") as lines:
            for line in lines:
                print(quopri.decodestring(line.rstrip(b"\n")).hex())


main()
