#!/usr/bin/env python3
"""The windows' design as every front end other than the Qt one takes it, from the Designer
files that are its one source (ui/frmmain.ui, ui/frmabout.ui).

    windowdesign.py describe FILE.ui... --output design.json
        The neutral description: each window's title and client size, and each control's
        kind, container, rectangle (pixels, from the container's top-left corner), caption
        and access key, tool tip, accessible name, font, picture and place in the tab order.
    windowdesign.py page design.json index.html style.css --start start.json --output FOLDER
        The page's windows: the markup of each window and a style rule per control, put in
        the page's places for them (@frmMain@, @frmMain.title@, @design@ and the like), in
        the state the game starts them in (the colours, the status box, the squares' numbers,
        names and pictures), which web/startstate.cpp prints.
    windowdesign.py cpp design.json --output windowdesign.h
        The same description as C++ tables (design::kFrmMain, design::kFrmAbout), for a native
        front end; the types are those of windows/design.h.

Python's standard
library only: it runs in every build, the emscripten and cross-compiler builds included, where
a tool built with Qt could not."""
import argparse
import html
import json
import os
import sys
import xml.etree.ElementTree as ElementTree

# The design's control kinds, by the widget that stands for each in the Designer files.
KINDS = {
    "PictureBox": "PictureBox",
    "SquareImage": "Image",
    "TextBox": "TextBox",
    "QListWidget": "ListBox",
    "QToolButton": "CommandButton",
    "QPushButton": "CommandButton",
    "QLabel": "Label",
    "QFrame": "Frame",
}


def prop(widget, name):
    """A property's value as text (a string, number, bool or enum), or None."""
    node = widget.find(f"property[@name='{name}']")
    if node is None:
        return None
    value = node[0]
    if value.tag in ("iconset", "pixmap"):
        return os.path.basename((value.findtext("normaloff") or value.text or "").strip())
    if value.tag == "font":
        return value.findtext("bold")
    if value.tag in ("rect", "size"):
        return {child.tag: int(child.text) for child in value}
    return value.text or ""


def caption(text):
    """A caption and its access key: "&New Game" is "New Game", the key "N"."""
    if text is None:
        return None, None
    key = None
    at = text.find("&")
    while at >= 0 and at + 1 < len(text):
        if text[at + 1] != "&":
            key = text[at + 1].upper()
            break
        at = text.find("&", at + 2)
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&"), key


def describe(path, tab_base):
    root = ElementTree.parse(path).getroot()
    form = root.find("widget")
    size = prop(form, "geometry")
    tabstops = [t.text for t in root.iterfind("tabstops/tabstop")]
    window = {"name": form.get("name"), "title": prop(form, "windowTitle"),
              "width": size["width"], "height": size["height"], "controls": []}

    def walk(parent, widget, shown):
        for child in widget.findall("widget"):
            rect = prop(child, "geometry")
            name = child.get("name")
            raw = prop(child, "text")
            text, key = caption(raw)
            picture = prop(child, "icon") or prop(child, "pixmap") or None
            focus = prop(child, "focusPolicy")
            takes_focus = child.get("class") not in ("QLabel", "QFrame", "PictureBox")
            tab = name in tabstops and takes_focus and focus not in ("Qt::ClickFocus", "Qt::NoFocus")
            inside = shown and rect["x"] < window["width"] and rect["y"] < window["height"]
            point_size = prop(child, "designPointSize")
            icon_size = prop(child, "iconSize")
            kind = KINDS[child.get("class")]
            if kind == "Label" and text is None:
                kind = "Image"  # a picture, or the empty mark image
            control = {
                "name": name,
                "kind": kind,
                "parent": parent,
                "x": rect["x"], "y": rect["y"], "width": rect["width"], "height": rect["height"],
                # Below or beside the client area: it exists and works but is never seen.
                "shown": inside,
                "text": text,
                "caption": raw,  # as written, with "&" before the access key
                "accessKey": key,
                "toolTip": prop(child, "toolTip"),
                "accessibleName": prop(child, "accessibleName"),
                "pointSize": float(point_size) if point_size else None,
                "bold": prop(child, "font") == "true",
                "readOnly": prop(child, "readOnly") == "true",
                "wordWrap": prop(child, "wordWrap") == "true",
                "picture": picture,
                "pictureSize": [icon_size["width"], icon_size["height"]] if icon_size else None,
                # The place in the window's tab order, counted on from the windows before it,
                # or None for a control that Tab never reaches.
                "tabIndex": tab_base + tabstops.index(name) if tab else None,
                "takesFocus": takes_focus and focus != "Qt::NoFocus",
            }
            window["controls"].append(control)
            walk(name, child, inside)

    walk(window["name"], form, True)
    return window, tab_base + len(tabstops)


def command_describe(args):
    windows, tab_base = [], 1
    for path in args.files:
        window, tab_base = describe(path, tab_base)
        windows.append(window)
    sources = [os.path.basename(path) for path in args.files]
    write(args.output, json.dumps({"generatedFrom": sources, "windows": windows}, indent=1) + "\n")


# ---- the page ----

def attributes(**values):
    return "".join(f' {name.replace("_", "-")}="{html.escape(str(value))}"'
                   for name, value in values.items() if value is not None)


def marked(control):
    """The caption with its access key underlined."""
    text, key = control["text"] or "", control["accessKey"]
    if not key:
        return html.escape(text)
    at = text.upper().index(key)
    return f"{html.escape(text[:at])}<u>{html.escape(text[at])}</u>{html.escape(text[at + 1:])}"


def element(control, children, start):
    name, kind = control["name"], control["kind"]
    state = start["controls"].get(name, {})
    tab = control["tabIndex"] if control["tabIndex"] is not None else (-1 if control["takesFocus"] else None)
    common = dict(id=name, title=control["toolTip"], aria_label=control["accessibleName"])
    keys = f"Alt+{control['accessKey']}" if control["accessKey"] else None
    bold = "bold" if control["bold"] else None
    if kind == "PictureBox":
        return f"<div{attributes(**common, **{'class': 'panel'})}>{children}</div>"
    if kind == "Image" and control["picture"] is None:  # a square: pressed, and reached by Tab
        common.update(aria_label=state["name"], data_square=state["square"])
        picture = attributes(data_artwork=f"{state['picture']}.bmp" if state["picture"] else None)
        return (f'<button{attributes(**common, **{"class": "square"}, tabindex=tab)}'
                f'{"" if state["enabled"] else " disabled"}><img alt=""{picture}></button>')
    if kind == "Image":
        return (f'<img{attributes(**common, alt="", data_artwork=control["picture"])}'
                f' width="{control["width"]}" height="{control["height"]}">')
    if kind == "TextBox":
        return (f"<input{attributes(**common, value=state.get('value', control['text'] or ''))}"
                f"{' readonly' if control['readOnly'] else ''}{attributes(tabindex=tab)}>")
    if kind == "ListBox":
        return f'<select{attributes(**common, **{"class": "moves"}, size=4, tabindex=tab)}></select>'
    if kind == "CommandButton" and control["picture"]:
        width, height = control["pictureSize"]
        return (f'<button{attributes(**common, **{"class": "command"}, aria_keyshortcuts=keys, tabindex=tab)}>'
                f'<img alt="" data-artwork="{control["picture"]}" width="{width}" height="{height}">'
                f"<span>{marked(control)}</span></button>")
    if kind == "CommandButton":
        classes = " ".join(c for c in ("push", bold) if c)
        return (f'<button{attributes(**common, **{"class": classes}, aria_keyshortcuts=keys, tabindex=tab)}>'
                f"{marked(control)}</button>")
    if kind == "Label":
        return f"<p{attributes(**common, **{'class': bold})}>{html.escape(control['text'] or '')}</p>"
    if kind == "Frame":
        return f"<hr{attributes(**common)}>"
    raise ValueError(f"{name}: no markup for a {kind}")


def made(control):
    """Whether the page makes the control: every control that shows, and below the client area
    those that can take the focus (the focus sink); the mark images are the game's pictures."""
    return control["shown"] or (control["kind"] == "CommandButton" and control["takesFocus"])


def markup(window, parent, depth, start):
    lines = []
    for control in window["controls"]:
        if control["parent"] != parent or not made(control):
            continue
        children = markup(window, control["name"], depth + 1, start)
        inner = f"\n{children}\n{'  ' * depth}" if children else ""
        lines.append("  " * depth + element(control, inner, start))
    return "\n".join(lines)


def pixels(points):
    return round(points * 96 / 72)


def style(windows, start):
    rules = [f":root {{ {' '.join(f'{name}: {color};' for name, color in start['colors'].items())} }}"]
    for window in windows:
        box = "#frmMain" if window["name"] == "frmMain" else f"#{window['name']} .client"
        rules.append(f"{box} {{ width: {window['width']}px; height: {window['height']}px; }}")
        for control in window["controls"]:
            if not made(control):
                continue
            rule = (f"left: {control['x']}px; top: {control['y']}px; "
                    f"width: {control['width']}px; height: {control['height']}px;")
            if control["pointSize"]:
                rule += f" font-size: {pixels(control['pointSize'])}px;"
            if control["kind"] == "Label" and control["text"] is not None and not control["wordWrap"]:
                rule += " white-space: pre;"
            for name, value in start["controls"].get(control["name"], {}).get("style", {}).items():
                rule += f" {name}: {value};"
            rules.append(f"#{control['name']} {{ {rule} }}")
    return "\n".join(rules)


def command_page(args):
    design = json.load(open(args.design, encoding="utf-8"))
    start = json.load(open(args.start, encoding="utf-8"))
    windows = design["windows"]
    sources = ", ".join(design["generatedFrom"])
    page = open(args.index, encoding="utf-8").read()
    page = page.replace("@artworkRatios@", start["artworkRatios"]).replace("@markPictures@", start["markPictures"])
    for window in windows:
        page = page.replace(f"@{window['name']}.title@", html.escape(window["title"]))
        page = page.replace(f"@{window['name']}@",
                            f"<!-- generated from {sources} -->\n{markup(window, window['name'], 2, start)}")
    sheet = open(args.style, encoding="utf-8").read()
    sheet = sheet.replace("/* @design@ */", f"/* generated from {sources} */\n{style(windows, start)}")
    write(os.path.join(args.output, "index.html"), page)
    write(os.path.join(args.output, "style.css"), sheet)


# ---- a native front end ----

def cpp_string(text):
    return "nullptr" if text is None else json.dumps(text, ensure_ascii=False)


def command_cpp(args):
    design = json.load(open(args.design, encoding="utf-8"))
    out = [f"// Generated by tools/design/windowdesign.py from {', '.join(design['generatedFrom'])}: do not edit.",
           "#pragma once", "", '#include "design.h"', "", "namespace design {", ""]
    for window in design["windows"]:
        name = "k" + window["name"][0].upper() + window["name"][1:]
        out.append(f"inline constexpr Control {name}Controls[] = {{")
        for c in window["controls"]:
            fields = [cpp_string(c["name"]), f"Kind::{c['kind']}", cpp_string(c["parent"]),
                      f"{{{c['x']}, {c['y']}, {c['width']}, {c['height']}}}", str(c["shown"]).lower(),
                      cpp_string(c["caption"]), cpp_string(c["toolTip"]), cpp_string(c["accessibleName"]),
                      repr(c["pointSize"] or 0.0), str(c["bold"]).lower(), str(c["readOnly"]).lower(),
                      str(c["wordWrap"]).lower(), cpp_string(c["picture"]),
                      str(c["tabIndex"] if c["tabIndex"] is not None else -1), str(c["takesFocus"]).lower()]
            out.append(f"    {{{', '.join(fields)}}},")
        out.append("};")
        out.append(f"inline constexpr Window {name} = {{{cpp_string(window['name'])}, {cpp_string(window['title'])}, "
                   f"{window['width']}, {window['height']}, {name}Controls}};")
        out.append("")
    out.append("} // namespace design")
    write(args.output, "\n".join(out) + "\n")


def write(path, text):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    with open(path, "w", encoding="utf-8") as out:
        out.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    describe_it = commands.add_parser("describe")
    describe_it.add_argument("files", nargs="+")
    describe_it.add_argument("--output", required=True)
    describe_it.set_defaults(run=command_describe)
    page = commands.add_parser("page")
    page.add_argument("design")
    page.add_argument("index")
    page.add_argument("style")
    page.add_argument("--start", required=True, help="the window as the game starts it (web/startstate.cpp)")
    page.add_argument("--output", required=True)
    page.set_defaults(run=command_page)
    cpp = commands.add_parser("cpp")
    cpp.add_argument("design")
    cpp.add_argument("--output", required=True)
    cpp.set_defaults(run=command_cpp)
    args = parser.parse_args()
    args.run(args)


if __name__ == "__main__":
    sys.exit(main())
