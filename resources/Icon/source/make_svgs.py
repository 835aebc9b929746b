#!/usr/bin/python3
"""Writes the program's icon drawings as SVG files.

Line icons share one style: 24 x 24 view box, round 2-unit strokes in one colour. The colours
keep 3:1 against the page backgrounds of all three themes (white, #D0D0D0 and #2B2B2B). The .svg
icons are written straight into resources/Icon; the drawings of the .png icons go into this
folder and render_icons turns them into PNG files.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
ICON_DIR = os.path.dirname(HERE)
STROKE = "#488142"
ALERT = "#DB3039"


def line_icon(body, stroke=STROKE):
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">\n'
        f'<g fill="none" stroke="{stroke}" stroke-width="2" stroke-linecap="round" '
        f'stroke-linejoin="round">\n{body}\n</g>\n</svg>\n'
    )


def gear(cx, cy, teeth, outer, inner, hole):
    points = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        a = i * step
        for da, r in ((-0.22, inner), (-0.12, outer), (0.12, outer), (0.22, inner)):
            ang = a + da * step * 2
            points.append(f"{cx + r * math.cos(ang):.2f},{cy + r * math.sin(ang):.2f}")
    return (f'<polygon points="{" ".join(points)}"/>\n'
            f'<circle cx="{cx}" cy="{cy}" r="{hole}"/>')


FILE = '<path d="M6 2h8l4 4v16H6z"/>\n<path d="M14 2v4h4"/>'
PRINTER = ('<path d="M7 9V3h10v6"/>\n<rect x="3" y="9" width="18" height="8" rx="2"/>\n'
           '<rect x="7" y="14" width="10" height="7"/>')
TIMES = '<line x1="6" y1="6" x2="18" y2="18"/>\n<line x1="18" y1="6" x2="6" y2="18"/>'
MINIMIZE = '<line x1="5" y1="18" x2="19" y2="18"/>'
INFO = ('<circle cx="12" cy="12" r="10"/>\n<line x1="12" y1="11" x2="12" y2="17"/>\n'
        f'<circle cx="12" cy="7.5" r="0.6" fill="{STROKE}"/>')

SVG_ICONS = {
    "arrow-right": line_icon('<line x1="5" y1="12" x2="19" y2="12"/>\n'
                             '<polyline points="13,6 19,12 13,18"/>'),
    "check": line_icon('<polyline points="4,12.5 9.5,18 20,6.5"/>'),
    "cog": line_icon(gear(12, 12, 8, 10, 7.5, 3)),
    "file": line_icon(FILE),
    "file-code": line_icon(FILE + '\n<polyline points="10.5,11 8.5,13.5 10.5,16"/>\n'
                           '<polyline points="13.5,11 15.5,13.5 13.5,16"/>'),
    "lock": line_icon('<rect x="5" y="11" width="14" height="10" rx="2"/>\n'
                      '<path d="M8 11V7a4 4 0 0 1 8 0v4"/>'),
    "print": line_icon(PRINTER),
    "save": line_icon('<path d="M5 3h11l3 3v13a2 2 0 0 1-2 2H5a2 2 0 0 1-2-2V5a2 2 0 0 1 2-2z"/>\n'
                      '<path d="M7 3v5h8V3"/>\n<rect x="7" y="13" width="10" height="8"/>'),
    "search": line_icon('<circle cx="10.5" cy="10.5" r="6.5"/>\n'
                        '<line x1="15.5" y1="15.5" x2="21" y2="21"/>'),
    "sign-in": line_icon('<path d="M14 3h5a2 2 0 0 1 2 2v14a2 2 0 0 1-2 2h-5"/>\n'
                         '<line x1="3" y1="12" x2="15" y2="12"/>\n'
                         '<polyline points="10,7 15,12 10,17"/>'),
    "sign-out": line_icon('<path d="M10 3H5a2 2 0 0 0-2 2v14a2 2 0 0 0 2 2h5"/>\n'
                          '<line x1="9" y1="12" x2="21" y2="12"/>\n'
                          '<polyline points="16,7 21,12 16,17"/>'),
    "sync": line_icon('<path d="M20 12a8 8 0 0 1-14.93 4"/>\n'
                      '<path d="M4 12a8 8 0 0 1 14.93-4"/>\n'
                      '<polyline points="19,3 19,8 14,8"/>\n<polyline points="5,21 5,16 10,16"/>'),
    "times_black": line_icon(TIMES, "#000000"),
    "times_red": line_icon(TIMES, ALERT),
    "trash": line_icon('<path d="M3 6h18"/>\n<path d="M8 6V4a1 1 0 0 1 1-1h6a1 1 0 0 1 1 1v2"/>\n'
                       '<path d="M5 6l1 14a2 2 0 0 0 2 2h8a2 2 0 0 0 2-2l1-14"/>\n'
                       '<path d="M10 11v6M14 11v6"/>'),
    "msg_information": line_icon(INFO),
    "msg_question": line_icon('<circle cx="12" cy="12" r="10"/>\n'
                              '<path d="M9.1 9a3 3 0 0 1 5.8 1c0 2-3 3-3 3"/>\n'
                              f'<circle cx="12" cy="17" r="0.6" fill="{STROKE}"/>'),
    "msg_warning": line_icon('<path d="M10.3 3.9L1.8 18a2 2 0 0 0 1.7 3h17a2 2 0 0 0 1.7-3L13.7 3.9a2 2 0 0 0-3.4 0z"/>\n'
                             '<line x1="12" y1="9" x2="12" y2="13"/>\n'
                             f'<circle cx="12" cy="17" r="0.6" fill="{ALERT}"/>', ALERT),
    "msg_critical": line_icon('<circle cx="12" cy="12" r="10"/>\n'
                              '<path d="M15 9l-6 6M9 9l6 6"/>', ALERT),
    "tools": line_icon('<g transform="rotate(45 12 12)">\n'
                       '<rect x="10.5" y="2" width="3" height="7" rx="1"/>\n'
                       '<line x1="12" y1="9" x2="12" y2="21"/>\n</g>\n'
                       '<g transform="rotate(-45 12 12)">\n'
                       '<path d="M9 3v3a3 3 0 0 0 6 0V3"/>\n'
                       '<line x1="12" y1="9" x2="12" y2="21"/>\n</g>'),
    "user_avatar": line_icon('<circle cx="12" cy="12" r="10"/>\n<circle cx="12" cy="10" r="3.5"/>\n'
                             '<path d="M6.2 18.5a7 7 0 0 1 11.6 0"/>'),
    "user_reg": line_icon('<circle cx="9" cy="8" r="4"/>\n'
                          '<path d="M2 21v-1a6 6 0 0 1 6-6h2a6 6 0 0 1 6 6v1"/>\n'
                          '<line x1="19" y1="5" x2="19" y2="11"/>\n'
                          '<line x1="16" y1="8" x2="22" y2="8"/>'),
    "window-minimize_black": line_icon(MINIMIZE, "#000000"),
    "window-minimize_blue": line_icon(MINIMIZE, "#1E88E5"),
}

PNG_ICONS = {
    "about_icon": line_icon(INFO),
    "cmd": line_icon('<rect x="2" y="4" width="20" height="16" rx="2"/>\n'
                     '<polyline points="6,9 9,12 6,15"/>\n<line x1="11" y1="15" x2="17" y2="15"/>'),
    "cpu": line_icon('<rect x="6" y="6" width="12" height="12" rx="1.5"/>\n'
                     '<rect x="9.5" y="9.5" width="5" height="5"/>\n'
                     '<path d="M9 2v4M12 2v4M15 2v4M9 18v4M12 18v4M15 18v4'
                     'M2 9h4M2 12h4M2 15h4M18 9h4M18 12h4M18 15h4"/>'),
    "default_apps_icon": line_icon('<rect x="3" y="3" width="7" height="7" rx="1.5"/>\n'
                                   '<rect x="14" y="3" width="7" height="7" rx="1.5"/>\n'
                                   '<rect x="3" y="14" width="7" height="7" rx="1.5"/>\n'
                                   '<rect x="14" y="14" width="7" height="7" rx="1.5"/>'),
    "default_processes_icon": line_icon('<polyline points="2,12 6,12 9,5 15,19 18,12 22,12"/>'),
    "processes_icon": line_icon('<rect x="2" y="4" width="20" height="16" rx="2"/>\n'
                                '<polyline points="5,13 8,13 10,9 13,16 15,12 19,12"/>'),
    "default_startup_icon": line_icon('<circle cx="12" cy="12" r="10"/>\n'
                                      '<polygon points="10,8 16,12 10,16"/>'),
    "drivers_icon": line_icon('<rect x="3" y="3" width="18" height="18" rx="2"/>\n'
                              '<polyline points="7,8.5 7,12 12,12 12,17 15.5,17"/>\n'
                              '<circle cx="7" cy="7" r="1.5"/>\n<circle cx="17" cy="17" r="1.5"/>'),
    "dxdiag": line_icon('<rect x="2" y="3" width="20" height="13" rx="2"/>\n'
                        '<path d="M8 21h8M12 16v5"/>\n<polyline points="8,9.5 11,12.5 16,7.5"/>'),
    "gpu": line_icon('<rect x="2" y="6" width="20" height="11" rx="1.5"/>\n'
                     '<circle cx="15" cy="11.5" r="3"/>\n<rect x="5" y="9" width="4" height="5"/>\n'
                     '<path d="M6 17v3M10 17v3M14 17v3"/>'),
    "keyboard_mouse_icon": line_icon('<rect x="2" y="8" width="13" height="9" rx="1.5"/>\n'
                                     '<path d="M5 11h1M8 11h1M11 11h1M6 14h5"/>\n'
                                     '<rect x="17" y="8" width="5" height="9" rx="2.5"/>\n'
                                     '<line x1="19.5" y1="8" x2="19.5" y2="11"/>'),
    "motherboard_icon": line_icon('<rect x="3" y="3" width="18" height="18" rx="2"/>\n'
                                  '<rect x="6" y="6" width="6" height="6"/>\n'
                                  '<path d="M15 6h3M15 9h3"/>\n'
                                  '<rect x="6" y="15" width="12" height="3"/>'),
    "network": line_icon('<rect x="9" y="2" width="6" height="5" rx="1"/>\n'
                         '<rect x="2" y="17" width="6" height="5" rx="1"/>\n'
                         '<rect x="16" y="17" width="6" height="5" rx="1"/>\n'
                         '<path d="M12 7v5M5 17v-3h14v3M12 12v2"/>'),
    "optical_devices": line_icon('<circle cx="12" cy="12" r="10"/>\n<circle cx="12" cy="12" r="3"/>\n'
                                 '<path d="M12 5a7 7 0 0 1 7 7"/>'),
    "os": line_icon('<rect x="2" y="3" width="20" height="14" rx="2"/>\n'
                    '<path d="M8 21h8M12 17v4"/>\n<path d="M12 6v8M8 10h8"/>'),
    "partition": line_icon('<circle cx="12" cy="12" r="9"/>\n<path d="M12 3v9l6.4 6.4"/>'),
    "peripheral": line_icon('<rect x="7" y="3" width="10" height="18" rx="5"/>\n'
                            '<line x1="12" y1="3" x2="12" y2="9"/>'),
    "printer": line_icon(PRINTER),
    "ram": line_icon('<rect x="2" y="7" width="20" height="10" rx="1"/>\n'
                     '<rect x="5" y="9.5" width="3" height="4"/>\n'
                     '<rect x="10.5" y="9.5" width="3" height="4"/>\n'
                     '<rect x="16" y="9.5" width="3" height="4"/>\n'
                     '<path d="M6 17v2M9 17v2M12 17v2M15 17v2M18 17v2"/>'),
    # A rack of two servers: distinct from the settings gear.
    "services_icon": line_icon('<rect x="3" y="3" width="18" height="7" rx="1.5"/>\n'
                               '<rect x="3" y="14" width="18" height="7" rx="1.5"/>\n'
                               '<path d="M7 6.5h.01M7 17.5h.01M11 6.5h6M11 17.5h6"/>'),
    "sound_devices_icon": line_icon('<polygon points="3,9 7,9 12,5 12,19 7,15 3,15"/>\n'
                                    '<path d="M15.5 8.5a5 5 0 0 1 0 7"/>\n'
                                    '<path d="M18.5 5.5a9 9 0 0 1 0 13"/>'),
    "storage": line_icon('<rect x="2" y="6" width="20" height="12" rx="2"/>\n'
                         '<line x1="2" y1="12" x2="22" y2="12"/>\n'
                         '<line x1="6" y1="15" x2="10" y2="15"/>\n'
                         '<line x1="17" y1="15" x2="17" y2="15"/>'),
    "tpm_icon": line_icon('<path d="M12 2l8 3v6c0 5-3.5 9-8 11-4.5-2-8-6-8-11V5z"/>\n'
                          '<circle cx="12" cy="10" r="2"/>\n<line x1="12" y1="12" x2="12" y2="15"/>'),
    "useful_commands_icon": line_icon('<polygon points="13,2 4,14 11,14 10,22 20,9 13,9"/>'),
    "services_on": ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" '
                    'viewBox="0 0 24 24">\n<circle cx="12" cy="12" r="8" fill="#43A047"/>\n'
                    '<polyline points="8,12.5 11,15 16,9" fill="none" stroke="#FFFFFF" '
                    'stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>\n</svg>\n'),
    "services_off": ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" '
                     'viewBox="0 0 24 24">\n<circle cx="12" cy="12" r="8" fill="#9E9E9E"/>\n'
                     '<rect x="8.5" y="8.5" width="7" height="7" rx="1" fill="#FFFFFF"/>\n</svg>\n'),
}


def us_flag():
    parts = ['<rect width="48" height="32" fill="#FFFFFF"/>']
    stripe = 32 / 13
    for i in range(0, 13, 2):
        parts.append(f'<rect y="{i * stripe:.3f}" width="48" height="{stripe:.3f}" fill="#B22234"/>')
    parts.append(f'<rect width="20" height="{7 * stripe:.3f}" fill="#3C3B6E"/>')
    for row in range(4):
        for col in range(5 if row % 2 == 0 else 4):
            x = 2.2 + col * 3.9 + (1.95 if row % 2 else 0)
            y = 2.4 + row * 3.9
            parts.append(f'<circle cx="{x:.2f}" cy="{y:.2f}" r="0.9" fill="#FFFFFF"/>')
    return parts


def flag(parts):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="48" height="32" viewBox="0 0 48 32">\n'
            + "\n".join(parts) + "\n</svg>\n")


FLAGS = {
    "en_US": flag(us_flag()),
    "ru_RU": flag(['<rect width="48" height="32" fill="#FFFFFF"/>',
                   '<rect y="10.667" width="48" height="10.667" fill="#0039A6"/>',
                   '<rect y="21.333" width="48" height="10.667" fill="#D52B1E"/>']),
    "uk_UA": flag(['<rect width="48" height="16" fill="#0057B7"/>',
                   '<rect y="16" width="48" height="16" fill="#FFD700"/>']),
}

# The program's own icon: a rounded green square with a white "V" and a scan arc.
APP_ICON = (
    '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">\n'
    '<rect x="2" y="2" width="60" height="60" rx="14" fill="#5A8A5A"/>\n'
    '<polyline points="17,18 32,48 47,18" fill="none" stroke="#FFFFFF" stroke-width="7" '
    'stroke-linecap="round" stroke-linejoin="round"/>\n'
    '<path d="M12 30a20 20 0 0 1 40 0" fill="none" stroke="#CFE3CF" stroke-width="3" '
    'stroke-linecap="round"/>\n</svg>\n'
)

# The maker's logo for the splash window; its lower band stays free for the busy bar.
LOGO = (
    '<svg xmlns="http://www.w3.org/2000/svg" width="621" height="181" viewBox="0 0 621 181">\n'
    '<g transform="translate(120 14)">\n'
    '<path d="M10 10h40a50 50 0 0 1 0 100H10zM30 30v60h18a30 30 0 0 0 0-60z" '
    'fill="#5A8A5A" fill-rule="evenodd"/>\n'
    '<path d="M70 20q40 -25 70 10q-35 -10 -55 15z" fill="#72AB72"/>\n'
    '</g>\n'
    '<text x="280" y="92" font-family="DejaVu Sans" font-size="60" font-weight="bold" '
    'fill="#4E7D4E">Dravonel</text>\n'
    '<rect x="282" y="106" width="250" height="4" rx="2" fill="#72AB72"/>\n'
    '</svg>\n'
)


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main():
    for name, text in SVG_ICONS.items():
        write(os.path.join(ICON_DIR, name + ".svg"), text)
    for name, text in {**PNG_ICONS, **FLAGS}.items():
        write(os.path.join(HERE, name + ".svg"), text)
    write(os.path.join(HERE, "verdimon_icon.svg"), APP_ICON)
    write(os.path.join(HERE, "Dravonel_Logo.svg"), LOGO)


if __name__ == "__main__":
    main()
