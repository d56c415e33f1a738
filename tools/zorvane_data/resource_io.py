"""Byte layout of the embedded resources and of the definitions file."""
import os

CRLF = "\r\n"


def encode_lines(lines, final_crlf=False):
    """cp1252 lines joined by CR LF, then NUL padding to a multiple of 4,
    the way resource compilers align resource data."""
    text = CRLF.join(lines) + (CRLF if final_crlf else "")
    data = text.encode("cp1252")
    return data + b"\0" * (-len(data) % 4)


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
