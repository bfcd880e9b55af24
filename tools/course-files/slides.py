#!/usr/bin/env python3
"""Turn a plain-text slide outline into a flat ODF presentation (.fodp).

LibreOffice then converts the .fodp to PowerPoint 97 (for the course decks)
or to PDF (for the frames of the course videos), so one outline format and
one look serve both.

Outline format, one item per line:
    = text      cover slide title (starts a new cover slide)
    ~ text      cover slide subtitle line
    # text      content slide title (starts a new content slide)
    - text      bullet
      - text    second-level bullet (two leading spaces)
    | text      line of program code, shown in a monospace box
    ; text      comment, ignored
Blank lines are ignored.

Usage: slides.py OUTLINE.txt OUT.fodp [--footer TEXT] [--large] [--sans FONT] [--mono FONT]
--large uses bigger type for slides that are shown as video frames.
Fonts default to Arial and Courier New, which every Windows PowerPoint has
and which Linux maps to the metric-compatible Liberation fonts.
"""
import sys
from xml.sax.saxutils import escape

W, H = 25.4, 19.05  # 4:3 page, the classic PowerPoint slide size in cm

NAVY = "#1f3a5f"
ACCENT = "#e8892b"
INK = "#2b2b2b"
CODE_BG = "#f3f5f8"


def parse(path):
    slides = []
    with open(path, encoding="utf-8") as f:
        for n, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.lstrip().startswith(";"):
                continue
            if line.startswith("= "):
                slides.append({"kind": "cover", "title": line[2:].strip(), "sub": []})
            elif line.startswith("# "):
                slides.append({"kind": "content", "title": line[2:].strip(), "items": [], "code": []})
            elif not slides:
                sys.exit(f"{path}:{n}: text before the first slide title")
            elif line.startswith("~ ") and slides[-1]["kind"] == "cover":
                slides[-1]["sub"].append(line[2:].strip())
            elif line.startswith("  - ") and slides[-1]["kind"] == "content":
                slides[-1]["items"].append((2, line[4:].strip()))
            elif line.startswith("- ") and slides[-1]["kind"] == "content":
                slides[-1]["items"].append((1, line[2:].strip()))
            elif line.startswith("|") and slides[-1]["kind"] == "content":
                slides[-1]["code"].append(line[2:] if line.startswith("| ") else line[1:])
            else:
                sys.exit(f"{path}:{n}: cannot read line: {line!r}")
    if not slides:
        sys.exit(f"{path}: no slides")
    return slides


def code_text(line):
    """Escape a code line, keeping runs of spaces (ODF collapses them otherwise)."""
    out, i = [], 0
    while i < len(line):
        if line[i] == " ":
            j = i
            while j < len(line) and line[j] == " ":
                j += 1
            run = j - i
            if i == 0 or run > 1:
                out.append(f'<text:s text:c="{run}"/>')
            else:
                out.append(" ")
            i = j
        else:
            j = i
            while j < len(line) and line[j] != " ":
                j += 1
            out.append(escape(line[i:j]))
            i = j
    return "".join(out)


def styles(large, sans, mono):
    SANS, MONO = escape(sans), escape(mono)
    t = 34 if large else 30
    b1 = 26 if large else 24
    b2 = 22 if large else 20
    code = 19 if large else 17
    cover = 42 if large else 38
    # style:font-name only takes effect for a font declared in font-face-decls
    return f"""
  <office:font-face-decls>
    <style:font-face style:name="{SANS}" svg:font-family="&apos;{SANS}&apos;" style:font-family-generic="swiss" style:font-pitch="variable"/>
    <style:font-face style:name="{MONO}" svg:font-family="&apos;{MONO}&apos;" style:font-family-generic="modern" style:font-pitch="fixed"/>
  </office:font-face-decls>
  <office:styles>
    <style:default-style style:family="graphic">
      <style:paragraph-properties style:font-independent-line-spacing="false"/>
      <style:text-properties style:font-name="{SANS}" fo:language="ru" fo:country="RU"/>
    </style:default-style>
  </office:styles>
  <office:automatic-styles>
    <style:page-layout style:name="PL">
      <style:page-layout-properties fo:margin-top="0cm" fo:margin-bottom="0cm" fo:margin-left="0cm"
        fo:margin-right="0cm" fo:page-width="{W}cm" fo:page-height="{H}cm" style:print-orientation="landscape"/>
    </style:page-layout>
    <style:style style:name="dpCover" style:family="drawing-page">
      <style:drawing-page-properties draw:background-size="full" draw:fill="solid" draw:fill-color="{NAVY}"/>
    </style:style>
    <style:style style:name="dpContent" style:family="drawing-page">
      <style:drawing-page-properties draw:background-size="full" draw:fill="solid" draw:fill-color="#ffffff"/>
    </style:style>
    <style:style style:name="dpPage" style:family="drawing-page">
      <style:drawing-page-properties presentation:background-visible="true" presentation:background-objects-visible="true"/>
    </style:style>
    <style:style style:name="grBand" style:family="graphic">
      <style:graphic-properties draw:stroke="none" draw:fill="solid" draw:fill-color="{NAVY}"/>
    </style:style>
    <style:style style:name="grAccent" style:family="graphic">
      <style:graphic-properties draw:stroke="none" draw:fill="solid" draw:fill-color="{ACCENT}"/>
    </style:style>
    <style:style style:name="grFooter" style:family="graphic">
      <style:graphic-properties draw:stroke="none" draw:fill="none" draw:textarea-vertical-align="middle"
        fo:padding-left="0cm" fo:padding-right="0cm"/>
    </style:style>
    <style:style style:name="grCode" style:family="graphic">
      <style:graphic-properties draw:stroke="solid" svg:stroke-color="#c9d1dc" svg:stroke-width="0.03cm"
        draw:fill="solid" draw:fill-color="{CODE_BG}" draw:textarea-vertical-align="top"
        fo:padding-top="0.3cm" fo:padding-bottom="0.3cm" fo:padding-left="0.5cm" fo:padding-right="0.4cm"
        draw:auto-grow-height="false" fo:wrap-option="no-wrap"/>
    </style:style>
    <style:style style:name="prTitle" style:family="presentation">
      <style:graphic-properties draw:stroke="none" draw:fill="none" draw:textarea-vertical-align="middle"
        draw:auto-grow-height="false" fo:padding-left="0cm"/>
    </style:style>
    <style:style style:name="prCoverTitle" style:family="presentation">
      <style:graphic-properties draw:stroke="none" draw:fill="none" draw:textarea-vertical-align="bottom"
        draw:auto-grow-height="false"/>
    </style:style>
    <style:style style:name="prSub" style:family="presentation">
      <style:graphic-properties draw:stroke="none" draw:fill="none" draw:textarea-vertical-align="top"
        draw:auto-grow-height="false"/>
    </style:style>
    <style:style style:name="prBody" style:family="presentation">
      <style:graphic-properties draw:stroke="none" draw:fill="none" draw:textarea-vertical-align="top"
        draw:auto-grow-height="false" fo:padding-left="0cm"/>
    </style:style>
    <style:style style:name="pTitle" style:family="paragraph">
      <style:paragraph-properties fo:text-align="start"/>
      <style:text-properties fo:font-size="{t}pt" fo:font-weight="bold" fo:color="#ffffff" style:font-name="{SANS}"/>
    </style:style>
    <style:style style:name="pCoverTitle" style:family="paragraph">
      <style:paragraph-properties fo:text-align="center"/>
      <style:text-properties fo:font-size="{cover}pt" fo:font-weight="bold" fo:color="#ffffff" style:font-name="{SANS}"/>
    </style:style>
    <style:style style:name="pSub" style:family="paragraph">
      <style:paragraph-properties fo:text-align="center" fo:margin-top="0.2cm"/>
      <style:text-properties fo:font-size="20pt" fo:color="#d7e3f2" style:font-name="{SANS}"/>
    </style:style>
    <style:style style:name="pB1" style:family="paragraph">
      <style:paragraph-properties fo:margin-top="0.25cm" fo:margin-bottom="0.1cm"/>
      <style:text-properties fo:font-size="{b1}pt" fo:color="{INK}" style:font-name="{SANS}"/>
    </style:style>
    <style:style style:name="pB2" style:family="paragraph">
      <style:paragraph-properties fo:margin-top="0.1cm" fo:margin-bottom="0.05cm"/>
      <style:text-properties fo:font-size="{b2}pt" fo:color="#4a4a4a" style:font-name="{SANS}"/>
    </style:style>
    <style:style style:name="pCode" style:family="paragraph">
      <style:paragraph-properties fo:text-align="start"/>
      <style:text-properties fo:font-size="{code}pt" fo:color="#1b2a41" style:font-name="{MONO}"/>
    </style:style>
    <style:style style:name="pFooter" style:family="paragraph">
      <style:paragraph-properties fo:text-align="start"/>
      <style:text-properties fo:font-size="11pt" fo:color="#7a8594" style:font-name="{SANS}"/>
    </style:style>
    <style:style style:name="pCoverFooter" style:family="paragraph">
      <style:paragraph-properties fo:text-align="center"/>
      <style:text-properties fo:font-size="13pt" fo:color="#aebfd6" style:font-name="{SANS}"/>
    </style:style>
    <text:list-style style:name="Lbul">
      <text:list-level-style-bullet text:level="1" text:bullet-char="■">
        <style:list-level-properties text:space-before="0cm" text:min-label-width="0.9cm"/>
        <style:text-properties fo:color="{ACCENT}" fo:font-size="75%" style:font-name="{SANS}"/>
      </text:list-level-style-bullet>
      <text:list-level-style-bullet text:level="2" text:bullet-char="–">
        <style:list-level-properties text:space-before="1.0cm" text:min-label-width="0.8cm"/>
        <style:text-properties fo:color="{NAVY}" fo:font-size="100%" style:font-name="{SANS}"/>
      </text:list-level-style-bullet>
    </text:list-style>
  </office:automatic-styles>"""


def masters(footer):
    f = escape(footer)
    return f"""
  <office:master-styles>
    <style:master-page style:name="Cover" style:page-layout-name="PL" draw:style-name="dpCover">
      <draw:rect draw:style-name="grAccent" svg:x="0cm" svg:y="{H - 1.2}cm" svg:width="{W}cm" svg:height="0.25cm"/>
      <draw:frame draw:style-name="grFooter" svg:x="1cm" svg:y="{H - 0.95}cm" svg:width="{W - 2}cm" svg:height="0.9cm">
        <draw:text-box><text:p text:style-name="pCoverFooter">{f}</text:p></draw:text-box>
      </draw:frame>
    </style:master-page>
    <style:master-page style:name="Content" style:page-layout-name="PL" draw:style-name="dpContent">
      <draw:rect draw:style-name="grBand" svg:x="0cm" svg:y="0cm" svg:width="{W}cm" svg:height="3.4cm"/>
      <draw:rect draw:style-name="grAccent" svg:x="0cm" svg:y="3.4cm" svg:width="{W}cm" svg:height="0.18cm"/>
      <draw:rect draw:style-name="grAccent" svg:x="1.2cm" svg:y="{H - 1.15}cm" svg:width="{W - 2.4}cm" svg:height="0.03cm"/>
      <draw:frame draw:style-name="grFooter" svg:x="1.2cm" svg:y="{H - 1.1}cm" svg:width="{W - 2.4}cm" svg:height="0.9cm">
        <draw:text-box><text:p text:style-name="pFooter">{f}</text:p></draw:text-box>
      </draw:frame>
    </style:master-page>
  </office:master-styles>"""


def cover_page(n, s):
    subs = "".join(f'<text:p text:style-name="pSub">{escape(x)}</text:p>' for x in s["sub"])
    return f"""
      <draw:page draw:name="Слайд {n}" draw:style-name="dpPage" draw:master-page-name="Cover"
          presentation:presentation-page-layout-name="AL1T0">
        <draw:frame presentation:style-name="prCoverTitle" draw:layer="layout" svg:x="1.5cm" svg:y="3.2cm"
            svg:width="{W - 3}cm" svg:height="6.3cm" presentation:class="title">
          <draw:text-box><text:p text:style-name="pCoverTitle">{escape(s["title"])}</text:p></draw:text-box>
        </draw:frame>
        <draw:frame presentation:style-name="prSub" draw:layer="layout" svg:x="2cm" svg:y="10.2cm"
            svg:width="{W - 4}cm" svg:height="5.5cm" presentation:class="subtitle">
          <draw:text-box>{subs or '<text:p text:style-name="pSub"/>'}</draw:text-box>
        </draw:frame>
      </draw:page>"""


def item_height(level, text, large):
    """Rough height of one bullet in cm, counting the lines it wraps to."""
    per_line = {1: 40 if large else 44, 2: 48 if large else 52}[level]  # characters per line
    lines = -(-len(text) // per_line)
    if level == 1:
        return 0.35 + lines * (1.0 if large else 0.95)
    return 0.15 + lines * (0.85 if large else 0.78)


def content_page(n, s, large):
    parts = [f"""
      <draw:page draw:name="Слайд {n}" draw:style-name="dpPage" draw:master-page-name="Content"
          presentation:presentation-page-layout-name="AL2T1">
        <draw:frame presentation:style-name="prTitle" draw:layer="layout" svg:x="1.2cm" svg:y="0.4cm"
            svg:width="{W - 2.4}cm" svg:height="2.6cm" presentation:class="title">
          <draw:text-box><text:p text:style-name="pTitle">{escape(s["title"])}</text:p></draw:text-box>
        </draw:frame>"""]
    top = 4.2
    bottom = H - 1.5
    line_h = 0.74 if large else 0.64  # height of one monospace code line, cm
    code_h = len(s["code"]) * line_h + 0.8 if s["code"] else 0
    if s["items"]:
        # bullets on top, code right under them; without code the bullets get the whole area
        need = sum(item_height(level, text, large) for level, text in s["items"]) + 0.3
        body_h = min(need, bottom - top - code_h - 0.4) if code_h else bottom - top
        items = []
        for level, text in s["items"]:
            p = f'<text:p text:style-name="pB{level}">{escape(text)}</text:p>'
            if level == 2:
                # ODF nests a sub-level as a list inside an item of the outer list
                p = f"<text:list><text:list-item>{p}</text:list-item></text:list>"
            items.append(f"<text:list-item>{p}</text:list-item>")
        parts.append(f"""
        <draw:frame presentation:style-name="prBody" draw:layer="layout" svg:x="1.5cm" svg:y="{top}cm"
            svg:width="{W - 3}cm" svg:height="{body_h:.2f}cm" presentation:class="outline">
          <draw:text-box><text:list text:style-name="Lbul">{"".join(items)}</text:list></draw:text-box>
        </draw:frame>""")
        code_y = top + body_h + 0.3
    else:
        code_y = top + 0.2
    if s["code"]:
        widest = 56 if large else 62  # monospace characters that fit the code box
        for c in s["code"]:
            if len(c) > widest:
                sys.exit(f"code line longer than {widest} characters on slide {n}: {c!r}")
        lines = "".join(f'<text:p text:style-name="pCode">{code_text(c)}</text:p>' for c in s["code"])
        parts.append(f"""
        <draw:frame draw:style-name="grCode" draw:layer="layout" svg:x="1.5cm" svg:y="{code_y:.2f}cm"
            svg:width="{W - 3}cm" svg:height="{code_h:.2f}cm">
          <draw:text-box>{lines}</draw:text-box>
        </draw:frame>""")
    parts.append("\n      </draw:page>")
    return "".join(parts)


def build(slides, footer, large, title, sans, mono):
    pages = []
    for n, s in enumerate(slides, 1):
        pages.append(cover_page(n, s) if s["kind"] == "cover" else content_page(n, s, large))
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
  xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
  xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
  xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
  xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
  xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
  xmlns:presentation="urn:oasis:names:tc:opendocument:xmlns:presentation:1.0"
  xmlns:dc="http://purl.org/dc/elements/1.1/"
  xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0"
  office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.presentation">
  <office:meta>
    <dc:title>{escape(title)}</dc:title>
    <dc:language>ru-RU</dc:language>
  </office:meta>{styles(large, sans, mono)}{masters(footer)}
  <office:body>
    <office:presentation>{"".join(pages)}
    </office:presentation>
  </office:body>
</office:document>
"""


def main(argv):
    args, footer, large = [], "Электронный интерактивный учебник", False
    sans, mono = "Arial", "Courier New"
    it = iter(argv[1:])
    for a in it:
        if a == "--footer":
            footer = next(it)
        elif a == "--sans":
            sans = next(it)
        elif a == "--mono":
            mono = next(it)
        elif a == "--large":
            large = True
        else:
            args.append(a)
    if len(args) != 2:
        sys.exit(__doc__)
    slides = parse(args[0])
    with open(args[1], "w", encoding="utf-8") as f:
        f.write(build(slides, footer, large, slides[0]["title"], sans, mono))


if __name__ == "__main__":
    main(sys.argv)
