#!/usr/bin/env python3
"""Prints N TCP ports on 127.0.0.1 that are free now, one a line."""
import socket
import sys

held = []
for _ in range(int(sys.argv[1]) if len(sys.argv) > 1 else 1):
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    held.append(s)
for s in held:
    print(s.getsockname()[1])
