#!/usr/bin/env python3
"""Writes the benchmark form of big_form.py with Chinese captions in GBK: each "Поле N" of
Windows-1251 becomes "字段 N" (four bytes for four bytes) and each Charset 204 becomes 134, so
the form has the same lines and size and is read through the multibyte path.
usage: gbk_form.py BIG_FORM_PY OUT [N]"""
import subprocess
import sys

generator, out = sys.argv[1], sys.argv[2]
count = sys.argv[3] if len(sys.argv) > 3 else "32757"
subprocess.run([sys.executable, generator, out, count], check=True)
data = open(out, "rb").read()
field = "Поле".encode("cp1251")
data = data.replace(field, "字段".encode("gbk")).replace(b"Charset         =   204", b"Charset         =   134")
open(out, "wb").write(data)
