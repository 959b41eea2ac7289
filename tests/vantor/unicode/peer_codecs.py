"""Independent conversions for the code page tests, from Python's codecs.

single CODEC...       for each codec a line: the character of every byte 0
                      to 255, -1 if undefined
sample CODEC          a mixed sample: UTF-16LE hex, then the CODEC bytes hex
replace HEX...        each UTF-8 byte string decoded with U+FFFD replacement,
                      as UTF-16LE hex, one a line
"""
import sys

SAMPLES = {
    "utf-8": "Install log: OK\r\nLatin-1: \u00e9\u00e8\u00fc\u00df \u20ac\r\n"
             "CJK: \u65e5\u672c\u8a9e \u4e2d\u6587 \ud55c\uad6d\uc5b4\r\n"
             "beyond the BMP: \U0001F600 \U00020000\r\n",
    "cp932": "Setup log: error 1603\r\n\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb "
             "\u65e5\u672c\u8a9e \u3072\u3089\u304c\u306a \uff76\uff85\r\n",
    # Python's cp936 is GBK, which lacks the euro sign of Windows 936.
    "cp936": "Setup log: error 1603\r\n\u5b89\u88c5\u5931\u8d25 \u4e2d\u6587 "
             "\u00e9 \u00b7\r\n",
}


def main():
    mode = sys.argv[1]
    if mode == "single":
        for codec in sys.argv[2:]:
            row = []
            for b in range(256):
                try:
                    text = bytes([b]).decode(codec)
                    row.append(str(ord(text)) if len(text) == 1 else "-1")
                except UnicodeDecodeError:
                    row.append("-1")
            print(" ".join(row))
    elif mode == "sample":
        codec = sys.argv[2]
        text = SAMPLES[codec]
        print(text.encode("utf-16-le", "surrogatepass").hex())
        print(text.encode(codec).hex())
    elif mode == "replace":
        for hex_bytes in sys.argv[2:]:
            text = bytes.fromhex(hex_bytes).decode("utf-8", "replace")
            print(text.encode("utf-16-le").hex())


main()
