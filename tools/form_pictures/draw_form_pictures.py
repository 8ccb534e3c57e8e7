#!/usr/bin/env python3
"""Draws the blank-paper form pictures of Formlark as SVG files.

Every picture is drawn in tenths of a millimetre: its viewBox is the size of
the rectangle the print engine stretches it into, so one SVG unit lands as
0.1 mm on paper and the box lines below can be placed against the anchor
points of the print tables (tools/form_picture_overlay.cpp shows both).

Run it from the project root; it rewrites resources/forms/*.svg:
    python3 tools/form_pictures/draw_form_pictures.py
"""

import os
import sys
from xml.sax.saxutils import escape

PT = 254.0 / 72.0          # one point in tenths of a millimetre
THIN = 2.5                 # ordinary box line
HEAVY = 6                  # the heavy rules of the forms
FONT = "Arial"             # Liberation Sans stands in for it on Debian


def fmt(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


class Drawing:
    def __init__(self, width, height, title):
        self.width = width
        self.height = height
        self.title = title
        self.parts = []

    # A group moves everything drawn inside it; used to place one form
    # geometry at several spots (top and bottom form of a sheet).
    def begin_group(self, dx, dy):
        self.parts.append('<g transform="translate(%s,%s)">' % (fmt(dx), fmt(dy)))

    def end_group(self):
        self.parts.append("</g>")

    def line(self, x1, y1, x2, y2, w=THIN, dash=None):
        extra = ' stroke-dasharray="%s"' % dash if dash else ""
        self.parts.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke-width="%s"%s/>'
                          % (fmt(x1), fmt(y1), fmt(x2), fmt(y2), fmt(w), extra))

    def hline(self, y, x1, x2, w=THIN, dash=None):
        self.line(x1, y, x2, y, w, dash)

    def vline(self, x, y1, y2, w=THIN):
        self.line(x, y1, x, y2, w)

    def rect(self, x, y, w, h, sw=THIN):
        self.parts.append('<rect x="%s" y="%s" width="%s" height="%s" fill="none" stroke-width="%s"/>'
                          % (fmt(x), fmt(y), fmt(w), fmt(h), fmt(sw)))

    def check_box(self, x, y, w, h):
        self.rect(x, y, w, h, 2.5)

    def text(self, x, y, s, pt=6.0, bold=False, anchor="start", italic=False, family=FONT):
        """Text with its baseline at y."""
        attrs = ['x="%s"' % fmt(x), 'y="%s"' % fmt(y), 'font-size="%s"' % fmt(pt * PT)]
        if family != FONT:
            attrs.append('font-family="%s"' % family)
        if bold:
            attrs.append('font-weight="bold"')
        if italic:
            attrs.append('font-style="italic"')
        if anchor != "start":
            attrs.append('text-anchor="%s"' % anchor)
        self.parts.append('<text %s>%s</text>' % (" ".join(attrs), escape(s)))

    def lines(self, x, y, texts, pt=6.0, leading=None, **kw):
        step = leading if leading else pt * PT * 1.12
        for i, s in enumerate(texts):
            self.text(x, y + i * step, s, pt, **kw)

    def paragraph(self, x, y, width, words, pt=6.5, leading=None, bold_lead=None):
        """Wraps text into lines of about `width` units (an estimate from the
        average Arial glyph width); returns the y below the last line."""
        step = leading if leading else pt * PT * 1.2
        per_char = pt * PT * 0.50
        max_chars = int(width / per_char)
        out = []
        line = ""
        for word in words.split():
            if line and len(line) + 1 + len(word) > max_chars:
                out.append(line)
                line = word
            else:
                line = word if not line else line + " " + word
        if line:
            out.append(line)
        for i, s in enumerate(out):
            if i == 0 and bold_lead and s.startswith(bold_lead):
                self.text(x, y, bold_lead, pt, bold=True)
                rest = s[len(bold_lead):]
                self.text(x + len(bold_lead) * per_char * 1.12, y, rest, pt)
            else:
                self.text(x, y, s, pt)
            y += step
        return y

    def svg(self):
        head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"\n'
                '     width="%smm" height="%smm" viewBox="0 0 %d %d">\n'
                '<title>%s</title>\n'
                '<rect x="0" y="0" width="%d" height="%d" fill="#ffffff" stroke="none"/>\n'
                '<g fill="none" stroke="#000000" stroke-linecap="square">\n'
                % (fmt(self.width / 10.0), fmt(self.height / 10.0), self.width, self.height,
                   escape(self.title), self.width, self.height))
        body = []
        for p in self.parts:
            if p.startswith("<text"):
                p = p.replace("<text ", '<text fill="#000000" stroke="none" font-family="%s" ' % FONT, 1)
            body.append(p)
        return head + "\n".join(body) + "\n</g>\n</svg>\n"

    def write(self, path):
        with open(path, "w", encoding="utf-8") as f:
            f.write(self.svg())


# ---------------------------------------------------------------------------
# W-2: one form, drawn in the coordinates of the blank-paper picture
# (1980 x 1340). The Copy A page places the same geometry twice.
# ---------------------------------------------------------------------------

def box_number(d, x, y, num, s, pt=6.0):
    """Box caption: the number in bold followed by its words."""
    d.text(x, y, num, pt, bold=True)
    d.text(x + len(num) * pt * PT * 0.58 + 8, y, s, pt)


def draw_w2_form(d, copy_a):
    L, R = 20, 1960          # outer frame
    TOP, MID = 20, 1085      # top of the grid, left/right column split
    SPLIT = 1525             # split of the right column
    BOTTOM = 1075            # bottom of the state/local row

    # Top row: a Control number, (22222), Void, OMB number.
    d.hline(TOP, L, R, HEAVY)
    a_right = 530 if copy_a else 700
    d.vline(a_right, TOP, 105)
    box_number(d, 28, 42, "a", "Control number")
    if copy_a:
        d.vline(705, TOP, 105)
        d.text(617, 85, "22222", 14, bold=True, anchor="middle")
    d.vline(875, TOP, 105)
    d.text(770, 73, "Void", 7.5, bold=True, anchor="end")
    d.check_box(779, 46, 41, 40)
    if copy_a:
        d.text(890, 58, "For Official Use Only \u25b6", 7, bold=True)
        d.text(1950, 58, "OMB No. 1545-0008", 7, anchor="end")
    else:
        # The copy caption is printed into the upper part of this cell.
        d.text(1950, 96, "OMB No. 1545-0008", 7, anchor="end")

    d.hline(105, L, R)
    d.vline(L, TOP, BOTTOM, HEAVY)
    d.vline(R, TOP, BOTTOM, HEAVY)
    d.vline(MID, 105, 905, HEAVY if copy_a else THIN)

    # Left column: b, c, d, e/f.
    box_number(d, 28, 127, "b", "Employer identification number")
    d.hline(190, L, MID)
    box_number(d, 28, 212, "c", "Employer\u2019s name, address, and ZIP code")
    d.hline(445, L, MID)
    box_number(d, 28, 467, "d", "Employee\u2019s social security number")
    d.hline(530, L, MID)
    box_number(d, 28, 553, "e", "Employee\u2019s first name and initial")
    d.vline(565, 530, 612)
    d.text(572, 553, "Last name", 6)
    box_number(d, 28, 896, "f", "Employee\u2019s address and ZIP code")

    # Right column: boxes 1-11, 12a-12d, 13 and 14.
    rows = [105, 190, 275, 360, 445, 530]
    pairs = [("1", "Wages, tips, other compensation", "2", "Federal income tax withheld"),
             ("3", "Social security wages", "4", "Social security tax withheld"),
             ("5", "Medicare wages and tips", "6", "Medicare tax withheld"),
             ("7", "Social security tips", "8", "Allocated tips"),
             ("9", "Advance EIC payment", "10", "Dependent care benefits")]
    for top, (n1, s1, n2, s2) in zip(rows, pairs):
        box_number(d, MID + 8, top + 22, n1, s1)
        box_number(d, SPLIT + 8, top + 22, n2, s2)
        d.hline(top + 85, MID, R)
    d.vline(SPLIT, 105, 905)
    box_number(d, MID + 8, 552, "11", "Nonqualified plans")
    d.hline(615, MID, R)
    d.hline(705, MID, R)
    d.hline(785, SPLIT, R)

    # Box 12: code cell and amount cell.
    code_split = 1632
    for top, label in ((530, "12a"), (615, "12b"), (705, "12c"), (785, "12d")):
        d.text(SPLIT + 7, top + 22, label, 6, bold=True)
        d.text(SPLIT + 52, top + 22, "C o d e", 4.5)
        d.vline(code_split, top + 28, top + (85 if top != 785 else 120))
    d.text(code_split + 8, 552, "See instructions for box 12", 6)

    # Box 13 check boxes, their labels above them.
    d.text(MID + 6, 637, "13", 6, bold=True)
    for cx, (l1, l2) in ((1142.5, ("Statutory", "employee")),
                         (1269.5, ("Retirement", "plan")),
                         (1399.5, ("Third-party", "sick pay"))):
        lx = max(cx, 1161)
        d.text(lx, 636, l1, 5.5, anchor="middle")
        d.text(lx, 654, l2, 5.5, anchor="middle")
        d.check_box(cx - 17, 663, 34, 34)

    box_number(d, MID + 8, 727, "14", "Other")

    # State and local row.
    d.hline(905, L, R, HEAVY if copy_a else THIN)
    cols = [160, 580, 885, 1170, 1480, 1762]
    for x in cols:
        d.vline(x, 905, BOTTOM)
    box_number(d, 28, 927, "15", "State")
    d.text(168, 927, "Employer\u2019s state ID number", 6)
    box_number(d, 588, 927, "16", "State wages, tips, etc.")
    box_number(d, 893, 927, "17", "State income tax")
    box_number(d, 1178, 927, "18", "Local wages, tips, etc.")
    box_number(d, 1488, 927, "19", "Local income tax")
    box_number(d, 1770, 927, "20", "Locality name")
    d.hline(1010, L, R, 2, dash="12,8")
    d.hline(BOTTOM, L, R, HEAVY)

    # Title band.
    d.text(28, 1150, "Form", 7)
    d.text(100, 1150, "W-2", 22, bold=True)
    d.text(330, 1148, "Wage and Tax", 13, bold=True)
    d.text(330, 1200, "Statement", 13, bold=True)
    d.text(980, 1190, "2005", 30, bold=True, anchor="middle")
    d.text(1955, 1118, "Department of the Treasury\u2014Internal Revenue Service", 7, anchor="end")
    if copy_a:
        d.text(28, 1245, "Copy A For Social Security Administration \u2014 Send this entire page with",
               7, bold=True)
        d.text(1955, 1160, "For Privacy Act and Paperwork Reduction", 6.5, anchor="end")
        d.text(1955, 1185, "Act Notice, see back of Copy D.", 6.5, anchor="end")
        d.text(1955, 1245, "Cat. No. 10134D", 6.5, anchor="end")
        d.text(28, 1270, "Form W-3 to the Social Security Administration; photocopies are not acceptable.",
               7, bold=True)


def w2_form():
    d = Drawing(1980, 1340, "Form W-2 Wage and Tax Statement 2005 (blank-paper copy)")
    draw_w2_form(d, copy_a=False)
    return d


def w2_copy_a_page():
    d = Drawing(1955, 2692, "Form W-2 Wage and Tax Statement 2005, Copy A page")
    # The laser table lands 11 units left and 4 units lower than the copy
    # table (relative to its picture); the bottom form sits 1395 further down.
    d.begin_group(-11, 4)
    draw_w2_form(d, copy_a=True)
    d.end_group()
    d.text(977, 1345, "Do Not Cut, Fold, or Staple Forms on This Page", 9, bold=True, anchor="middle")
    d.begin_group(-11, 1399)
    draw_w2_form(d, copy_a=True)
    d.end_group()
    return d


# ---------------------------------------------------------------------------
# W-3, drawn in the coordinates of the copy picture (1965 x 2630); the laser
# substitute page uses the same geometry moved 8 units right.
# ---------------------------------------------------------------------------

def draw_w3_form(d, copy_mark=False):
    L, R, MID, SPLIT = 20, 1945, 895, 1440

    d.text(L, 30, "DO NOT STAPLE", 8, bold=True)
    # a Control number row. On the copy the outlined "COPY" stands at the
    # top right, reaching down to y 68 between x 1400 and 1862: there the
    # top border steps down below it, so the mark covers none of the form.
    top_right = 42
    if copy_mark:
        notch, top_right = 1380, 82
        d.hline(42, L, notch, HEAVY)
        d.vline(notch, 42, top_right, HEAVY)
        d.hline(top_right, notch, R, HEAVY)
    else:
        d.hline(42, L, R, HEAVY)
    box_number(d, 28, 63, "a", "Control number")
    d.vline(560, 42, 128)
    d.text(680, 108, "33333", 16, bold=True, anchor="middle")
    d.vline(800, 42, 128)
    d.text(815, 80, "For Official Use Only \u25b6", 7, bold=True)
    d.text(815, 110, "OMB No. 1545-0008", 7)
    d.hline(128, L, R)
    d.vline(L, 42, 1232, HEAVY)
    d.vline(R, top_right, 1232, HEAVY)
    d.vline(MID, 128, 1055, HEAVY)

    # b Kind of Payer.
    d.text(28, 150, "b", 6, bold=True)
    d.lines(50, 175, ["Kind", "of", "Payer"], 7.5, leading=26, bold=True)
    row1 = ((327.5, "941"), (487, "Military"), (647, "943"))
    for cx, s in row1:
        d.text(cx, 158, s, 6.5, anchor="middle")
        d.check_box(cx - 20, 166, 40, 40)
    row2 = ((327.5, ("CT-1",)), (487, ("Hshld.", "emp.")), (647, ("Medicare", "govt. emp.")),
            (807, ("Third-party", "sick pay")))
    for cx, labels in row2:
        if len(labels) == 1:
            d.text(cx, 243, labels[0], 6.5, anchor="middle")
        else:
            d.text(cx, 225, labels[0], 6, anchor="middle")
            d.text(cx, 243, labels[1], 6, anchor="middle")
        d.check_box(cx - 18, 252, 36, 36)
    d.hline(300, L, MID)

    box_number(d, 28, 321, "c", "Total number of Forms W-2")
    d.vline(470, 300, 380)
    box_number(d, 478, 321, "d", "Establishment number")
    d.hline(380, L, MID)
    box_number(d, 28, 401, "e", "Employer identification number")
    d.hline(465, L, MID)
    box_number(d, 28, 486, "f", "Employer\u2019s name")
    box_number(d, 28, 790, "g", "Employer\u2019s address and ZIP code")
    d.hline(800, L, MID)
    box_number(d, 28, 821, "h", "Other EIN used this year")
    d.hline(885, L, MID)
    box_number(d, 28, 906, "15", "State")
    d.vline(195, 885, 1055)
    d.text(203, 906, "Employer\u2019s state ID number", 6)

    # Right column.
    tops = [128, 216, 300, 380, 465, 551]
    pairs = [("1", "Wages, tips, other compensation", "2", "Federal income tax withheld"),
             ("3", "Social security wages", "4", "Social security tax withheld"),
             ("5", "Medicare wages and tips", "6", "Medicare tax withheld"),
             ("7", "Social security tips", "8", "Allocated tips"),
             ("9", "Advance EIC payments", "10", "Dependent care benefits"),
             ("11", "Nonqualified plans", "12", "Deferred compensation")]
    for i, (top, (n1, s1, n2, s2)) in enumerate(zip(tops, pairs)):
        box_number(d, MID + 8, top + 21, n1, s1)
        box_number(d, SPLIT + 8, top + 21, n2, s2)
        bottom = tops[i + 1] if i + 1 < len(tops) else 630
        d.hline(bottom, MID, R)
    d.vline(SPLIT, 128, 630)
    box_number(d, MID + 8, 651, "13", "For third-party sick pay use only")
    d.hline(717, MID, R)
    box_number(d, MID + 8, 738, "14", "Income tax withheld by payer of third-party sick pay")
    d.hline(885, MID, R)
    box_number(d, MID + 8, 906, "16", "State wages, tips, etc.")
    box_number(d, SPLIT + 8, 906, "17", "State income tax")
    d.hline(970, MID, R)
    box_number(d, MID + 8, 991, "18", "Local wages, tips, etc.")
    box_number(d, SPLIT + 8, 991, "19", "Local income tax")
    d.vline(SPLIT, 885, 1055)
    d.hline(1055, L, R, HEAVY)

    # Contact rows.
    d.text(28, 1076, "Contact person", 6)
    d.vline(880, 1055, 1232)
    d.text(888, 1076, "Telephone number", 6)
    d.text(893, 1126, "(", 10)
    d.text(992, 1126, ")", 10)
    d.vline(1250, 1055, 1232)
    d.text(1258, 1076, "For Official Use Only", 6, bold=True)
    d.hline(1142, L, R)
    d.text(28, 1163, "E-mail address", 6)
    d.text(888, 1163, "Fax number", 6)
    d.text(893, 1211, "(", 10)
    d.text(992, 1211, ")", 10)
    for x in (1415, 1580, 1745):
        d.vline(x, 1090, 1232)
    d.hline(1232, L, R, HEAVY)

    # Jurat and title.
    d.text(L, 1262, "Under penalties of perjury, I declare that I have examined this return and "
                    "accompanying documents, and, to the best of my knowledge and belief, they are "
                    "true, correct, and complete.", 6.3)
    d.text(L, 1318, "Signature \u25b6", 7.5, bold=True)
    d.hline(1322, 170, 1080, 2)
    d.text(1090, 1318, "Title \u25b6", 7.5, bold=True)
    d.hline(1322, 1180, 1580, 2)
    d.text(1590, 1318, "Date \u25b6", 7.5, bold=True)
    d.hline(1322, 1680, R, 2)
    d.hline(1340, L, R, HEAVY)
    d.text(L, 1410, "Form", 7)
    d.text(90, 1410, "W-3", 22, bold=True)
    d.text(330, 1400, "Transmittal of Wage and Tax Statements", 13, bold=True)
    d.text(1400, 1418, "2005", 30, bold=True, anchor="middle")
    d.text(R, 1380, "Department of the Treasury", 7, anchor="end")
    d.text(R, 1405, "Internal Revenue Service", 7, anchor="end")

    d.text(L, 1490, "Send this entire page with the entire Copy A page of Form(s) W-2 to the "
                    "Social Security Administration.", 8.5, bold=True)
    d.text(L, 1530, "Photocopies are not acceptable.", 8.5, bold=True)
    d.text(L, 1575, "Do not send any payment (cash, checks, money orders, etc.) with Forms W-2 and W-3.",
           8.5, bold=True)

    col_w = 900
    y = 1660
    x = L
    d.text(x, y, "Purpose of Form", 9, bold=True)
    y = d.paragraph(x, y + 45, col_w,
                    "Use Form W-3 to transmit Copy A of Form(s) W-2, Wage and Tax Statement. "
                    "Make a copy of Form W-3 and keep it with Copy D (For Employer) of Form(s) W-2 "
                    "for your records. Use Form W-3 for the correct year. File Form W-3 even if "
                    "only one Form W-2 is being filed. If you are filing Form(s) W-2 "
                    "electronically, do not file Form W-3.")
    d.text(x, y + 30, "When To File", 9, bold=True)
    y = d.paragraph(x, y + 75, col_w,
                    "File Form W-3 with Copy A of Form(s) W-2 by February 28, 2006.")
    x = 1025
    y = 1660
    d.text(x, y, "Where To File", 9, bold=True)
    y = d.paragraph(x, y + 45, col_w,
                    "Send this entire page with the entire Copy A page of Form(s) W-2 to:")
    d.lines(x + 60, y + 20, ["Social Security Administration", "Data Operations Center",
                             "Wilkes-Barre, PA 18769-0001"], 7.5, leading=32)
    y += 140
    y = d.paragraph(x, y + 20, col_w,
                    "Note. If you use \u201ccertified mail\u201d to file, change the ZIP code to "
                    "\u201c18769-0002.\u201d If you use an IRS-approved private delivery service, "
                    "add \u201cATTN: W-2 Process, 1150 E. Mountain Dr.\u201d to the address and "
                    "change the ZIP code to \u201c18702-7997.\u201d")
    d.text(L, 2560, "For Privacy Act and Paperwork Reduction Act Notice, see back of Copy D of Form W-2.",
           7)
    d.text(R, 2560, "Cat. No. 10159Y", 7, anchor="end")


def w3_copy_page():
    d = Drawing(1965, 2630, "Form W-3 Transmittal of Wage and Tax Statements 2005 (copy)")
    draw_w3_form(d, copy_mark=True)
    return d


def w3_laser_page():
    d = Drawing(1981, 2667, "Form W-3 Transmittal of Wage and Tax Statements 2005")
    # The laser table lands 8 units right of the copy table.
    d.begin_group(8, 0)
    draw_w3_form(d)
    d.end_group()
    return d


# ---------------------------------------------------------------------------
# 1099-MISC, one form (1980 x 1370), drawn as Copy C (For Payer): the program
# whites out its side text and second-TIN box for the other copies.
# ---------------------------------------------------------------------------

def form_1099_misc():
    d = Drawing(1980, 1370, "Form 1099-MISC Miscellaneous Income 2005")
    L, R, MID, C2, STRIP = 20, 1960, 985, 1345, 1645

    # VOID / CORRECTED.
    d.text(540, 64, "VOID", 8, bold=True, anchor="end")
    d.check_box(547, 33, 39, 39)
    d.check_box(640, 33, 39, 39)
    d.text(690, 64, "CORRECTED", 8, bold=True)

    d.hline(78, L, R, HEAVY)
    d.vline(L, 78, 1235, HEAVY)
    d.vline(MID, 78, 1102)
    d.vline(STRIP, 78, 1102)

    # Payer block.
    d.text(28, 100, "PAYER\u2019S name, street address, city, state, ZIP code, and telephone no.", 6)
    d.hline(495, L, MID)
    d.text(28, 517, "PAYER\u2019S federal identification number", 6)
    d.vline(510, 495, 660)
    d.text(518, 517, "RECIPIENT\u2019S identification number", 6)
    d.hline(660, L, MID)
    d.text(28, 682, "RECIPIENT\u2019S name", 6)
    d.hline(760, L, MID)
    d.text(28, 782, "Street address (including apt. no.)", 6)
    d.hline(886, L, MID)
    d.text(28, 908, "City, state, and ZIP code", 6)
    d.hline(975, L, MID)
    d.text(28, 997, "Account number (see instructions)", 6)
    d.vline(760, 975, 1102)
    # Second TIN notice: label and check box inside the area the program
    # whites out on Copies 1, B and 2.
    d.text(854, 1010, "2nd TIN not.", 6, anchor="middle")
    # The check box stands on the row's bottom line (y 1102), which closes
    # it: its own sides end inside the white-out (whose pen reaches y
    # 1099.5), so no trace of them is left beside it, while the mark of the
    # lower form (down to y 1097.5) still has a line below it.
    d.line(834, 1098, 834, 1058, 1.5)
    d.line(834, 1058, 874, 1058, 1.5)
    d.line(874, 1058, 874, 1098, 1.5)

    # Money boxes.
    d.hline(235, MID, C2)
    d.vline(C2, 78, 1102)
    box_number(d, MID + 8, 100, "1", "Rents")
    box_number(d, MID + 8, 257, "2", "Royalties")
    d.hline(335, MID, R)
    box_number(d, MID + 8, 357, "3", "Other income")
    box_number(d, C2 + 8, 357, "4", "Federal income tax withheld")
    d.hline(495, MID, STRIP)
    box_number(d, MID + 8, 517, "5", "Fishing boat proceeds")
    box_number(d, C2 + 8, 517, "6", "Medical and health care")
    d.text(C2 + 8, 537, "payments", 6)
    d.hline(660, MID, STRIP)
    box_number(d, MID + 8, 682, "7", "Nonemployee compensation")
    box_number(d, C2 + 8, 682, "8", "Substitute payments in lieu")
    d.text(C2 + 8, 702, "of dividends or interest", 6)
    d.hline(760, MID, STRIP)
    box_number(d, MID + 8, 782, "9", "Payer made direct sales of")
    d.lines(MID + 8, 800, ["$5,000 or more of consumer", "products to a buyer"], 6, leading=18)
    d.text(MID + 8, 874, "(recipient) for resale \u25b6", 6)
    d.check_box(1240, 845, 41, 42)
    box_number(d, C2 + 8, 782, "10", "Crop insurance proceeds")
    d.hline(895, MID, STRIP)
    d.text(MID + 8, 917, "11", 6, bold=True)
    d.text(C2 + 8, 917, "12", 6, bold=True)
    d.hline(975, MID, STRIP)
    box_number(d, MID + 8, 997, "13", "Excess golden parachute")
    d.text(MID + 8, 1017, "payments", 6)
    box_number(d, C2 + 8, 997, "14", "Gross proceeds paid to an")
    d.text(C2 + 8, 1017, "attorney", 6)

    # 15a-18 row.
    d.hline(1102, L, R)
    d.vline(R, 1102, 1235, HEAVY)
    for x in (555, 965, 1315, 1670):
        d.vline(x, 1102, 1235)
    box_number(d, 28, 1124, "15a", "Section 409A deferrals")
    box_number(d, 563, 1124, "15b", "Section 409A income")
    box_number(d, 973, 1124, "16", "State tax withheld")
    box_number(d, 1323, 1124, "17", "State/Payer\u2019s state no.")
    box_number(d, 1678, 1124, "18", "State income")
    d.hline(1189, 965, R, 2, dash="12,8")
    d.hline(1235, L, R, HEAVY)

    # Title cell and side strip.
    d.text(C2 + 150, 112, "OMB No. 1545-0115", 6.5, anchor="middle")
    d.text(C2 + 150, 225, "2005", 26, bold=True, anchor="middle")
    d.text(C2 + 25, 305, "Form", 6.5)
    d.text(C2 + 90, 305, "1099-MISC", 10, bold=True)
    d.text(1805, 190, "Miscellaneous", 12, bold=True, anchor="middle")
    d.text(1805, 240, "Income", 12, bold=True, anchor="middle")
    # The copy's own side text (Copy C); the program paints over it for
    # the other copies and writes their captions in its place.
    d.text(1800, 379, "Copy C", 10, bold=True)
    d.text(1763, 432, "For Payer", 10, bold=True)
    notice = ["For Privacy Act", "and Paperwork", "Reduction Act", "Notice, see the",
              "2005 General", "Instructions for", "Forms 1099,", "1098, 5498,", "and W-2G."]
    for i, s in enumerate(notice):
        d.text(1907, 632 + 30 * i, s, 7, anchor="end")

    d.text(28, 1275, "Form", 7)
    d.text(90, 1275, "1099-MISC", 11, bold=True)
    d.text(R, 1272, "Department of the Treasury - Internal Revenue Service", 7, anchor="end")
    return d


# ---------------------------------------------------------------------------
# 1096, one page (1900 x 2610).
# ---------------------------------------------------------------------------

TYPE_OF_FORM = [("W-2G", "32"), ("1098", "81"), ("1098-E", "84"), ("1098-T", "83"),
                ("1099-A", "80"), ("1099-B", "79"), ("1099-C", "85"), ("1099-CAP", "73"),
                ("1099-DIV", "91"), ("1099-G", "86"), ("1099-H", "71"), ("1099-INT", "92"),
                ("1099-LTC", "93"), ("1099-MISC", "95"), ("1099-MSA", "94"), ("1099-OID", "96"),
                ("1099-PATR", "97"), ("1099-Q", "31"), ("1099-R", "98"), ("1099-S", "75"),
                ("5498", "28"), ("5498-ESA", "72"), ("5498-MSA", "27")]


def form_1096():
    d = Drawing(1900, 2610, "Form 1096 Annual Summary and Transmittal of U.S. Information Returns 2005")
    L, R = 20, 1880

    d.text(L + 5, 95, "Form", 7)
    d.text(95, 95, "1096", 22, bold=True)
    d.text(L + 5, 140, "Department of the Treasury", 6.5)
    d.text(L + 5, 165, "Internal Revenue Service", 6.5)
    d.text(960, 80, "Annual Summary and Transmittal of", 14, bold=True, anchor="middle")
    d.text(960, 140, "U.S. Information Returns", 14, bold=True, anchor="middle")
    d.text(R, 60, "OMB No. 1545-0108", 7, anchor="end")
    d.text(R, 165, "2005", 26, bold=True, anchor="end")

    # Filer block.
    d.hline(230, L, R, HEAVY)
    d.rect(L, 230, 980, 330)
    d.text(30, 262, "FILER\u2019S name", 6.5)
    d.text(30, 396, "Street address (including room or suite number)", 6.5)
    d.text(30, 497, "City, state, and ZIP code", 6.5)

    # Contact rows and the official-use grid.
    d.hline(560, L, R)
    d.vline(L, 560, 815)
    d.vline(R, 560, 815)
    d.text(28, 581, "Name of person to contact", 6)
    d.vline(727, 560, 735)
    d.text(735, 581, "Telephone number", 6)
    d.text(735, 628, "(", 10)
    d.text(833, 628, ")", 10)
    d.vline(1080, 560, 735)
    d.text(1480, 590, "For Official Use Only", 7, bold=True, anchor="middle")
    for x in (1080 + i * 160 for i in range(1, 5)):
        d.vline(x, 605, 735)
    d.hline(605, 1080, R)
    d.hline(670, 1080, R)
    d.hline(648, L, 1080)
    d.text(28, 669, "E-mail address", 6)
    d.text(735, 669, "Fax number", 6)
    d.text(735, 718, "(", 10)
    d.text(833, 718, ")", 10)
    d.hline(735, L, R)

    # Boxes 1 to 5.
    for x in (375, 862, 1095, 1445):
        d.vline(x, 735, 815)
    box_number(d, 28, 756, "1", "Employer identification number")
    box_number(d, 383, 756, "2", "Social security number")
    box_number(d, 870, 756, "3", "Total number of forms", 5.5)
    box_number(d, 1103, 756, "4", "Federal income tax withheld")
    box_number(d, 1453, 756, "5", "Total amount reported with this Form 1096", 5.5)
    d.text(1098, 800, "$", 7)
    d.text(1448, 800, "$", 7)
    d.hline(815, L, R, HEAVY)

    d.text(L, 851, "Enter an \u201cX\u201d in only one box below to indicate the type of form being filed.",
           7, bold=True)
    d.text(1765, 851, "If this is your final return, enter an \u201cX\u201d here . . \u25b6", 7, anchor="end")
    d.check_box(1774, 821, 37, 37)

    # Type-of-form grid: thirteen cells on the first row, ten on the second.
    # The second row ends at x 1320: the copy's outlined "COPY" stands to its
    # right (x 1335 to 1797, y 1050 to 1173).
    cell = 130
    rows = ((870, TYPE_OF_FORM[:13]), (1015, TYPE_OF_FORM[13:]))
    for top, entries in rows:
        d.hline(top, L, L + cell * 13, HEAVY if top == 870 else THIN)
        for i, (name, code) in enumerate(entries):
            x = L + i * cell
            d.vline(x, top, top + 145)
            d.text(x + 6, top + 30, name, 6.2, bold=True)
            d.text(x + 6, top + 58, code, 6.2)
            d.check_box(x + 42, top + 101, 40, 40)
        d.vline(L + cell * len(entries), top, top + 145)
    d.hline(1160, L, L + cell * len(rows[1][1]))

    d.text(L, 1210, "Return this entire page to the Internal Revenue Service. Photocopies are not acceptable.",
           8.5, bold=True)
    d.text(L, 1260, "Under penalties of perjury, I declare that I have examined this return and "
                    "accompanying documents, and, to the best of my knowledge and belief, they are "
                    "true, correct, and complete.", 6.5)
    d.text(L, 1330, "Signature \u25b6", 7.5, bold=True)
    d.hline(1334, 170, 1000, 2)
    d.text(1010, 1330, "Title \u25b6", 7.5, bold=True)
    d.hline(1334, 1100, 1500, 2)
    d.text(1510, 1330, "Date \u25b6", 7.5, bold=True)
    d.hline(1334, 1600, R, 2)

    d.text(L, 1420, "Instructions", 11, bold=True)
    col_w = 880
    x, y = L, 1480
    d.text(x, y, "Purpose of form.", 7.5, bold=True)
    y = d.paragraph(x, y + 35, col_w,
                    "Use this form to transmit paper Forms 1099, 1098, 5498, and W-2G to the "
                    "Internal Revenue Service. Use a separate Form 1096 for each type of return "
                    "you are transmitting.")
    d.text(x, y + 25, "Who must file.", 7.5, bold=True)
    y = d.paragraph(x, y + 60, col_w,
                    "Any person or entity who files any of the forms listed above must "
                    "file Form 1096 to transmit those forms. Enter the filer\u2019s name, address, "
                    "and taxpayer identification number in the spaces provided on the form.")
    x, y = 990, 1480
    d.text(x, y, "When to file.", 7.5, bold=True)
    y = d.paragraph(x, y + 35, col_w, "File Form 1096 as follows:")
    y = d.paragraph(x, y, col_w,
                    "\u2022 With Forms 1099, 1098, or W-2G, file by February 28, 2006.")
    y = d.paragraph(x, y, col_w, "\u2022 With Forms 5498, file by May 31, 2006.")
    d.text(x, y + 25, "Box 3.", 7.5, bold=True)
    y = d.paragraph(x, y + 60, col_w,
                    "Enter the number of forms you are transmitting with this Form 1096. Do not "
                    "include blank or voided forms or the Form 1096 in your total.")
    d.text(L, 2560, "For more information and the Privacy Act and Paperwork Reduction Act Notice, "
                    "see the 2005 General Instructions for Forms 1099, 1098, 5498, and W-2G.", 6.5)
    d.text(R, 2595, "Cat. No. 14400O", 6.5, anchor="end")
    return d


PICTURES = [
    ("w2-form.svg", w2_form),
    ("w2-copy-a-page.svg", w2_copy_a_page),
    ("w3-copy-page.svg", w3_copy_page),
    ("w3-laser-page.svg", w3_laser_page),
    ("form-1099-misc.svg", form_1099_misc),
    ("form-1096.svg", form_1096),
]


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "forms")
    for name, make in PICTURES:
        make().write(os.path.join(out_dir, name))
        print(os.path.join(out_dir, name))


if __name__ == "__main__":
    main()
