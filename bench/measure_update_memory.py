#!/usr/bin/env python3
"""Peak memory of the update helper while a server streams it an endless "installer".

Usage: bench/measure_update_memory.py [HELPER] [GIB ...]
HELPER defaults to build/bin/quorvane-update beside this folder; each GIB (default 1 and 4)
is one run in which a local server sends that many GiB as fast as the helper takes them,
once without a length (the helper must stop at its own cap) and once declaring the length.
Prints, per run, the helper's peak resident memory (its own high-water mark, read every few
milliseconds until it ends; the kernel's figure for the reaped child would include the
benchmark's own memory from before the helper started), its exit code and line, and how long
it took.
"""
import os
import socket
import subprocess
import sys
import tempfile
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
HELPER = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "bin", "quorvane-update")
SIZES = [float(x) for x in sys.argv[2:]] or [0.45, 1.0, 4.0]
PIECE = b"\0" * (1 << 20)


def serve(listener, total, declare):
    while True:
        try:
            conn, _ = listener.accept()
        except OSError:
            return
        with conn:
            request = b""
            while b"\r\n\r\n" not in request:
                chunk = conn.recv(4096)
                if not chunk:
                    break
                request += chunk
            head = b"HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n"
            if declare == "length":
                head += b"Content-Length: %d\r\n" % total
            elif declare == "chunked":
                head += b"Transfer-Encoding: chunked\r\n"
            conn.sendall(head + b"\r\n")
            sent = 0
            try:
                while sent < total:
                    piece = PIECE[: min(len(PIECE), total - sent)]
                    if declare == "chunked":
                        piece = b"%x\r\n" % len(piece) + piece + b"\r\n"
                    conn.sendall(piece)
                    sent += len(PIECE[: min(len(PIECE), total - sent)])
                if declare == "chunked":
                    conn.sendall(b"0\r\n\r\n")
            except OSError:
                pass  # the helper gave up, as it should


def watch_peak(pid, peak):
    """Keeps the highest VmHWM of the process in peak[0] (KiB) until it is gone."""
    while True:
        try:
            with open("/proc/%d/status" % pid) as status:
                for line in status:
                    if line.startswith("VmHWM:"):
                        peak[0] = max(peak[0], int(line.split()[1]))
        except OSError:
            return
        time.sleep(0.002)


def run(gib, declare):
    total = int(gib * (1 << 30))
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    port = listener.getsockname()[1]
    threading.Thread(target=serve, args=(listener, total, declare), daemon=True).start()
    with tempfile.TemporaryDirectory() as folder:
        url = "http://127.0.0.1:%d/downloads/Quorvane_Update.run" % port
        key = "A" * 43 + "="  # 32 bytes; the download fails long before a signature matters
        start = time.monotonic()
        child = subprocess.Popen([HELPER, "installer", url, url + ".sig", folder, key, "1.5", "1"],
                                 stdout=subprocess.PIPE)
        peak = [0]
        watcher = threading.Thread(target=watch_peak, args=(child.pid, peak))
        watcher.start()
        out = child.stdout.read().decode().strip()
        _, status, _ = os.wait4(child.pid, 0)
        watcher.join()
        took = time.monotonic() - start
        left = os.listdir(folder)
    listener.close()
    print("%5.2f GiB %-10s peak %6.1f MiB  exit %d  %5.1f s  %s%s" % (
        gib, declare, peak[0] / 1024.0,
        os.waitstatus_to_exitcode(status), took, out, "  LEFT: %s" % left if left else ""))


for size in SIZES:
    for declared in ("no length", "length", "chunked"):
        run(size, declared)
