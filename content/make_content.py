#!/usr/bin/python3
"""Draws Tuckle's game data: subject list, word lists, word pictures, the
eleven stage pictures and the two result pictures.

Run it from anywhere with the system Python (it needs PIL and Debian's
fonts-noto-color-emoji and fonts-dejavu-core):

    /usr/bin/python3 content/make_content.py

It rewrites everything it makes inside content/; help.html and CREDITS.txt
are written by hand and left alone. The output is committed, so the build
never runs this script.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
EMOJI_FONT = '/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf'
LABEL_FONT = '/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf'
EMOJI_SIZE = 109        # the colour emoji font holds bitmaps of this size only
LINE_LIMIT = 59         # the game reads at most 59 characters of a line
WORD_PICTURE = 160      # word pictures are square JPEGs of this size
STAGE = 200             # stage pictures are shown at 200 x 200
RESULT = (50, 48)       # result pictures are shown at 50 x 48

# Each subject: (name shown in the game, folder, [(word, emoji), ...]).
SUBJECTS = [
    ('Animals', 'animals', [
        ('cat', '\U0001F408'), ('dog', '\U0001F415'), ('cow', '\U0001F404'),
        ('pig', '\U0001F416'), ('horse', '\U0001F40E'), ('sheep', '\U0001F411'),
        ('goat', '\U0001F410'), ('duck', '\U0001F986'), ('frog', '\U0001F438'),
        ('lion', '\U0001F981'), ('tiger', '\U0001F405'), ('bear', '\U0001F43B'),
        ('monkey', '\U0001F412'), ('rabbit', '\U0001F407'), ('mouse', '\U0001F401'),
        ('fox', '\U0001F98A'), ('owl', '\U0001F989'), ('penguin', '\U0001F427'),
        ('elephant', '\U0001F418'), ('giraffe', '\U0001F992'), ('zebra', '\U0001F993'),
        ('snake', '\U0001F40D'), ('turtle', '\U0001F422'), ('whale', '\U0001F40B'),
        ('octopus', '\U0001F419'), ('T-REX', '\U0001F996'),
    ]),
    ('Food', 'food', [
        ('apple', '\U0001F34E'), ('banana', '\U0001F34C'), ('grapes', '\U0001F347'),
        ('lemon', '\U0001F34B'), ('cherries', '\U0001F352'), ('pear', '\U0001F350'),
        ('orange', '\U0001F34A'), ('strawberry', '\U0001F353'), ('pineapple', '\U0001F34D'),
        ('watermelon', '\U0001F349'), ('carrot', '\U0001F955'), ('corn', '\U0001F33D'),
        ('bread', '\U0001F35E'), ('cheese', '\U0001F9C0'), ('egg', '\U0001F95A'),
        ('pizza', '\U0001F355'), ('cake', '\U0001F370'), ('cookie', '\U0001F36A'),
        ('ice cream', '\U0001F368'), ('honey', '\U0001F36F'), ('milk', '\U0001F95B'),
        ('sandwich', '\U0001F96A'), ('doughnut', '\U0001F369'), ('popcorn', '\U0001F37F'),
    ]),
    ('In the house', 'house', [
        ('bed', '\U0001F6CF'), ('chair', '\U0001FA91'), ('door', '\U0001F6AA'),
        ('window', '\U0001FA9F'), ('key', '\U0001F511'), ('clock', '\u23F0'),
        ('book', '\U0001F4D6'), ('cup', '\u2615'), ('spoon', '\U0001F944'),
        ('bath', '\U0001F6C1'), ('toilet', '\U0001F6BD'), ('soap', '\U0001F9FC'),
        ('sponge', '\U0001F9FD'), ('broom', '\U0001F9F9'), ('basket', '\U0001F9FA'),
        ('candle', '\U0001F56F'), ('teddy bear', '\U0001F9F8'), ('phone', '\U0001F4F1'),
        ('radio', '\U0001F4FB'), ('umbrella', '\u2602'), ('scissors', '\u2702'),
        ('pencil', '\u270F'), ('mirror', '\U0001FA9E'), ('bucket', '\U0001FAA3'),
        ('light bulb', '\U0001F4A1'),
    ]),
    ('Getting about', 'transport', [
        ('car', '\U0001F697'), ('bus', '\U0001F68C'), ('train', '\U0001F686'),
        ('plane', '\u2708'), ('boat', '\u26F5'), ('ship', '\U0001F6A2'),
        ('bike', '\U0001F6B2'), ('taxi', '\U0001F695'), ('lorry', '\U0001F69A'),
        ('tractor', '\U0001F69C'), ('rocket', '\U0001F680'), ('helicopter', '\U0001F681'),
        ('scooter', '\U0001F6F4'), ('tram', '\U0001F68B'), ('ambulance', '\U0001F691'),
        ('fire engine', '\U0001F692'), ('police car', '\U0001F693'), ('canoe', '\U0001F6F6'),
        ('skateboard', '\U0001F6F9'), ('motorbike', '\U0001F3CD'), ('racing car', '\U0001F3CE'),
        ('sledge', '\U0001F6F7'), ('ferry', '\u26F4'), ('minibus', '\U0001F690'),
    ]),
    ('Nature and weather', 'nature', [
        ('sun', '\u2600'), ('moon', '\U0001F319'), ('star', '\u2B50'),
        ('cloud', '\u2601'), ('rain', '\U0001F327'), ('snowflake', '\u2744'),
        ('rainbow', '\U0001F308'), ('tree', '\U0001F333'), ('flower', '\U0001F338'),
        ('rose', '\U0001F339'), ('leaf', '\U0001F341'), ('mushroom', '\U0001F344'),
        ('cactus', '\U0001F335'), ('volcano', '\U0001F30B'), ('mountain', '\u26F0'),
        ('wave', '\U0001F30A'), ('fire', '\U0001F525'), ('snowman', '\u26C4'),
        ('tornado', '\U0001F32A'), ('lightning', '\u26A1'), ('sunflower', '\U0001F33B'),
        ('tulip', '\U0001F337'), ('palm tree', '\U0001F334'), ('shell', '\U0001F41A'),
        ('rock', '\U0001FAA8'), ('earth', '\U0001F30D'),
    ]),
    ('Toys and music', 'toys', [
        ('ball', '\u26BD'), ('kite', '\U0001FA81'), ('yo-yo', '\U0001FA80'),
        ('drum', '\U0001F941'), ('guitar', '\U0001F3B8'), ('trumpet', '\U0001F3BA'),
        ('violin', '\U0001F3BB'), ('piano', '\U0001F3B9'), ('robot', '\U0001F916'),
        ('puzzle', '\U0001F9E9'), ('dice', '\U0001F3B2'), ('balloon', '\U0001F388'),
        ('present', '\U0001F381'), ('crayon', '\U0001F58D'), ('paint', '\U0001F3A8'),
        ('magnet', '\U0001F9F2'), ('bell', '\U0001F514'),
        ('doll', '\U0001FA86'), ('top hat', '\U0001F3A9'), ('crown', '\U0001F451'),
        ('trophy', '\U0001F3C6'), ('medal', '\U0001F3C5'), ('bow', '\U0001F3F9'),
    ]),
]

# Tuckle's ten pets, in the order they escape.
PETS = ['\U0001F415', '\U0001F408', '\U0001F407', '\U0001F439', '\U0001F424',
        '\U0001F986', '\U0001F416', '\U0001F411', '\U0001F422', '\U0001F401']

emoji_font = ImageFont.truetype(EMOJI_FONT, EMOJI_SIZE)


def emoji(char):
    """The emoji drawn in colour on a transparent ground, cropped to its ink."""
    im = Image.new('RGBA', (EMOJI_SIZE * 2, EMOJI_SIZE * 2), (0, 0, 0, 0))
    ImageDraw.Draw(im).text((EMOJI_SIZE // 4, EMOJI_SIZE // 4), char,
                            font=emoji_font, embedded_color=True)
    box = im.getbbox()
    if box is None:
        sys.exit('the emoji font has no picture for U+%04X' % ord(char[0]))
    return im.crop(box)


def scaled(char, size, mirror=False):
    """The emoji scaled so that its longer side is size pixels."""
    im = emoji(char)
    factor = size / max(im.size)
    im = im.resize((max(1, round(im.width * factor)), max(1, round(im.height * factor))),
                   Image.LANCZOS)
    return im.transpose(Image.FLIP_LEFT_RIGHT) if mirror else im


def paste_centred(canvas, im, cx, cy):
    canvas.paste(im, (round(cx - im.width / 2), round(cy - im.height / 2)), im)


def picture_name(word):
    return word.lower().replace(' ', '_') + '.jpg'


def write_records(path, records):
    lines = []
    for first, second in records:
        for line in (first, second):
            if len(line) > LINE_LIMIT:
                sys.exit('%s: line longer than %d characters: %s' % (path, LINE_LIMIT, line))
            lines.append(line)
    # CR LF for the Windows editors; every line, the last one included, ends
    # with a line break, or the game drops the last record.
    with open(path, 'w', newline='\r\n', encoding='ascii') as out:
        out.write('\n'.join(lines) + '\n')


def make_subjects():
    write_records(os.path.join(HERE, 'tuckle.ini'),
                  [(name, folder) for name, folder, _ in SUBJECTS])
    for _, folder, words in SUBJECTS:
        directory = os.path.join(HERE, folder)
        os.makedirs(directory, exist_ok=True)
        for old in os.listdir(directory):
            os.remove(os.path.join(directory, old))
        records = []
        for word, char in words:
            records.append((word, picture_name(word)))
            picture = Image.new('RGB', (WORD_PICTURE, WORD_PICTURE), 'white')
            art = emoji(char)
            paste_centred(picture, art, WORD_PICTURE / 2, WORD_PICTURE / 2)
            picture.save(os.path.join(directory, picture_name(word)), quality=85,
                         optimize=True)
        write_records(os.path.join(directory, 'data.txt'), records)


# ---- stage pictures -----------------------------------------------------

SKY_TOP, SKY_LOW = (92, 160, 230), (190, 225, 250)
GRASS_FAR, GRASS_NEAR = (120, 190, 90), (70, 150, 55)
WOOD, WOOD_DARK = (170, 110, 60), (110, 70, 35)
PEN = (8, 122, 150, 190)                # the fenced pen: left, top, right, bottom
GATE = (150, 186)                       # the gate's opening on the pen's right side, in y
HORIZON = 100


def gradient(draw, box, top, bottom):
    x0, y0, x1, y1 = box
    for y in range(y0, y1):
        t = (y - y0) / max(1, y1 - y0 - 1)
        colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
        draw.line([(x0, y), (x1 - 1, y)], fill=colour)


def landscape():
    im = Image.new('RGBA', (STAGE, STAGE), 'white')
    d = ImageDraw.Draw(im)
    gradient(d, (0, 0, STAGE, HORIZON + 10), SKY_TOP, SKY_LOW)
    # rolling hills behind the garden, then the lawn
    d.ellipse((-60, HORIZON - 22, 120, HORIZON + 60), fill=(140, 200, 105))
    d.ellipse((80, HORIZON - 30, 280, HORIZON + 60), fill=(128, 196, 96))
    gradient(d, (0, HORIZON, STAGE, STAGE), GRASS_FAR, GRASS_NEAR)
    paste_centred(im, scaled('\u2600', 34), 176, 20)
    paste_centred(im, scaled('\u2601', 34), 112, 22)
    paste_centred(im, scaled('\u2601', 24), 150, 44)
    paste_centred(im, scaled('\U0001F333', 40), 160, HORIZON - 4)
    paste_centred(im, scaled('\U0001F3E1', 62), 40, HORIZON - 12)
    return im


def post(d, x, y0, y1):
    d.rectangle((x - 1, y0, x + 2, y1), fill=WOOD, outline=WOOD_DARK)


def rail(d, x0, x1, y):
    d.rectangle((x0, y, x1, y + 2), fill=WOOD, outline=WOOD_DARK)


def back_fence(im, gate_open):
    """The pen's back and sides; the gate in the right side stands open once
    a pet has got out."""
    d = ImageDraw.Draw(im)
    left, top, right, bottom = PEN
    d.rectangle(PEN, fill=(112, 176, 76))
    for y in (top - 4, top + 4):
        rail(d, left, right, y)
    for x in range(left, right + 1, 14):
        post(d, x, top - 8, top + 10)
    g0, g1 = GATE
    for y in range(top + 8, bottom + 1, 8):
        post(d, left, y - 6, y + 2)
        if y <= g0 or y > g1:
            post(d, right, y - 6, y + 2)
    if gate_open:
        # swung outwards on its hinge at the top of the opening
        d.polygon([(right, g0), (right + 24, g0 - 10), (right + 24, g0 + 4), (right, g0 + 16)],
                  fill=WOOD, outline=WOOD_DARK)
        d.line([(right, g0 + 8), (right + 24, g0 - 3)], fill=WOOD_DARK)
    else:
        for x in range(right - 2, right + 3, 2):
            d.line([(x, g0), (x, g1)], fill=WOOD_DARK if x != right else WOOD)


def front_fence(im):
    d = ImageDraw.Draw(im)
    left, _, right, bottom = PEN
    for y in (bottom - 12, bottom - 5):
        rail(d, left, right, y)
    for x in range(left, right + 1, 14):
        post(d, x, bottom - 16, bottom + 4)


# Places inside the pen (two rows of five) and, for the runaways, spots on
# the hills and at the picture's edges.
HOME = [(22 + 27 * (i % 5) + (6 if i >= 5 else 0), 140 if i < 5 else 166) for i in range(10)]
RUNAWAY = (180, 176)                    # the pet that has just got out
AWAY = [(190, 120), (196, 96), (128, 88), (98, 96), (8, 98),
        (150, 80), (70, 84), (178, 140), (118, 76), (24, 80)]


def label(im, text):
    d = ImageDraw.Draw(im)
    font = ImageFont.truetype(LABEL_FONT, 13)
    box = d.textbbox((0, 0), text, font=font)
    w, h = box[2] - box[0], box[3] - box[1]
    x, y = 6, 6
    d.rounded_rectangle((x - 4, y - 3, x + w + 5, y + h + 6), radius=6,
                        fill=(255, 255, 255), outline=(60, 60, 60))
    d.text((x - box[0] + 1, y - box[1] + 1), text, font=font, fill=(200, 40, 40)
           if text.startswith('0 ') else (30, 90, 30))


def stage(n):
    """Stage n: n of the ten pets have run off."""
    im = landscape()
    back_fence(im, gate_open=n > 0)
    for k in range(n):
        age = n - 1 - k                 # 0 for the pet that has just got out
        if age == 0:
            x, y = RUNAWAY
            paste_centred(im, scaled(PETS[k], 26, mirror=True), x, y)
            d = ImageDraw.Draw(im)
            for dy in (-5, 1, 7):       # speed lines behind the runaway
                d.line([(x - 24, y + dy), (x - 16, y + dy)], fill=(255, 255, 255), width=2)
        else:                           # further off and smaller, stage by stage
            paste_centred(im, scaled(PETS[k], max(12, 22 - 2 * age), mirror=k % 2 == 0),
                          *AWAY[k])
    for k in range(n, 10):
        paste_centred(im, scaled(PETS[k], 24), *HOME[k])
    front_fence(im)
    label(im, '%d safe' % (10 - n))
    return im.convert('RGB')


def make_stages():
    for n in range(11):
        stage(n).save(os.path.join(HERE, 'tuckle.%02d.bmp' % n))


def make_results():
    for name, char, ground in (('win', '\U0001F3C6', (255, 248, 200)),
                               ('lose', '\U0001F622', (220, 235, 250))):
        im = Image.new('RGBA', RESULT, ground)
        paste_centred(im, scaled(char, 42), RESULT[0] / 2, RESULT[1] / 2)
        im.convert('RGB').save(os.path.join(HERE, name + '.bmp'))


if __name__ == '__main__':
    make_subjects()
    make_stages()
    make_results()
