#!/usr/bin/env python3
"""Runs Orca with its debug output on a terminal of its own and appends each
line to a file the moment Orca writes it.

Orca opens its debug file with Python's default buffering: a file on disk
gets the lines in blocks of several kilobytes, late, and the last block is
lost when Orca is stopped; a terminal gets every line at once. A test waits
on those lines, so it needs them at once.

    orca-on-pty.py LOG ORCA_ARGUMENT...

Orca is started as "orca --debug-file=/dev/tty ORCA_ARGUMENT...". SIGTERM
and SIGINT are passed on to Orca, which then shuts down as it would on
its own; this ends when Orca has ended, with Orca's status.
"""

import os
import pty
import select
import signal
import sys


def main():
    log_path, orca_args = sys.argv[1], sys.argv[2:]
    pid, terminal = pty.fork()
    if pid == 0:
        os.execvp("orca", ["orca", "--debug-file=/dev/tty", *orca_args])

    status = None

    def pass_on(signum, _frame):
        if status is None:  # not yet reaped, so the id is still Orca's
            try:
                os.kill(pid, signum)
            except ProcessLookupError:
                pass

    signal.signal(signal.SIGTERM, pass_on)
    signal.signal(signal.SIGINT, pass_on)

    with open(log_path, "ab", buffering=0) as log:
        # A process that Orca started (speech-dispatcher) may keep the
        # terminal open after Orca has ended, so the end is Orca's own.
        while True:
            if status is None:
                done, status = os.waitpid(pid, os.WNOHANG)
                if done == 0:
                    status = None
            try:
                ready, _, _ = select.select([terminal], [], [], 0.2)
            except InterruptedError:
                continue
            if not ready:
                if status is not None:
                    break
                continue
            try:
                data = os.read(terminal, 65536)
            except OSError:  # EIO: every writer of the terminal has gone
                data = b""
            if not data:
                if status is None:
                    _, status = os.waitpid(pid, 0)
                break
            log.write(data.replace(b"\r\n", b"\n"))
    sys.exit(os.waitstatus_to_exitcode(status))


if __name__ == "__main__":
    main()
