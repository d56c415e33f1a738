"""Byte layout of the embedded resources and of the definitions file."""
import os

CRLF = "\r\n"


def encode_lines(lines, final_crlf=False):
    """cp1252 lines joined by CR LF, with no padding: a NUL after the last line
    would stay in the last word or field the program shows. The name list alone
    ends with CR LF and one NUL, the end the commune loader expects of it."""
    text = CRLF.join(lines) + (CRLF if final_crlf else "")
    return text.encode("cp1252") + (b"\0" if final_crlf else b"")


def write_bytes(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(data)


def write_resource(folder, rtype, rid, lines, final_crlf=False):
    path = os.path.join(folder, "%s.%d" % (rtype, rid))
    write_bytes(path, encode_lines(lines, final_crlf))
    return path


def read_resource_lines(path):
    """Inverse of encode_lines: padding removed, lines split."""
    with open(path, "rb") as src:
        data = src.read().rstrip(b"\0")
    return data.decode("cp1252").split(CRLF)
