"""Prints what a screen reader finds in a running program's windows: for
each accessible object its role, name and, for text, its whole text, one
object a line ("role<TAB>name<TAB>text"), line breaks as \\n.
  /usr/bin/python3 atspi-texts.py APPLICATION-NAME
Needs the session's accessibility bus and the program's bridge on."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    text = ""
    iface = node.get_text_iface()
    if iface is not None:
        text = Atspi.Text.get_text(iface, 0, Atspi.Text.get_character_count(iface))
    line = "\t".join((node.get_role_name(), node.get_name() or "", text or ""))
    print(line.replace("\n", "\\n"))
    # A list's entries (151 years) say nothing its value does not.
    if node.get_role_name() == "combo box":
        return
    for i in range(node.get_child_count()):
        walk(node.get_child_at_index(i), depth + 1)


desktop = Atspi.get_desktop(0)
for i in range(desktop.get_child_count()):
    app = desktop.get_child_at_index(i)
    if app is not None and app.get_name() == sys.argv[1]:
        walk(app)
