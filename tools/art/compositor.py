"""Draws the game's sprites into an 800 by 600 still the way the game does.

Canvas units are window pixels: origin at the centre, y up. A sprite is a
unit square scaled to its size, turned about its centre, shown through an
optional texture window (offset and scale in texture units, t = 0 at the
picture's top) and tinted by its colour; blending is the usual
source-alpha over. The ray is the one textured triangle.
"""

import debian_python  # noqa: F401  (must come before PIL)

from PIL import Image, ImageDraw

WIDTH = 800
HEIGHT = 600


def new_canvas():
    return Image.new("RGBA", (WIDTH, HEIGHT), (128, 128, 128, 255))


def to_pixel(x, y):
    return x + WIDTH / 2, HEIGHT / 2 - y


def _tint(image, colour):
    if all(c >= 1.0 for c in colour):
        return image
    bands = image.split()
    tinted = [band.point(lambda v, c=c: round(v * min(max(c, 0.0), 1.0))) for band, c in zip(bands, colour)]
    return Image.merge("RGBA", tinted)


def draw_sprite(
    canvas,
    texture,
    position,
    size,
    rotation=0.0,
    colour=(1.0, 1.0, 1.0, 1.0),
    tex_offset=(0.0, 0.0),
    tex_scale=(1.0, 1.0),
):
    """Composites one sprite. size is (width, height) in canvas units."""
    width = max(1, round(size[0]))
    height = max(1, round(size[1]))
    tex_w, tex_h = texture.size
    window = (
        tex_offset[0] * tex_w,
        tex_offset[1] * tex_h,
        (tex_offset[0] + tex_scale[0]) * tex_w,
        (tex_offset[1] + tex_scale[1]) * tex_h,
    )
    picture = texture.transform((width, height), Image.EXTENT, window, resample=Image.BILINEAR)
    picture = _tint(picture, colour)
    if rotation:
        picture = picture.rotate(rotation, resample=Image.BICUBIC, expand=True)

    centre_x, centre_y = to_pixel(position[0], position[1])
    left = round(centre_x - picture.width / 2)
    top = round(centre_y - picture.height / 2)
    layer = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    layer.paste(picture, (left, top))
    canvas.alpha_composite(layer)


def draw_tint(canvas, colour):
    """The untextured full-window quad: one colour over everything."""
    rgba = tuple(round(min(max(c, 0.0), 1.0) * 255) for c in colour)
    canvas.alpha_composite(Image.new("RGBA", canvas.size, rgba))


def _solve3(rows, rhs):
    """Solves a 3 by 3 linear system by Cramer's rule."""

    def det(m):
        return (
            m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1])
            - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
            + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0])
        )

    whole = det(rows)
    result = []
    for column in range(3):
        replaced = [list(row) for row in rows]
        for r in range(3):
            replaced[r][column] = rhs[r]
        result.append(det(replaced) / whole)
    return result


def draw_ray(canvas, texture, lens_bottom, lens_top, focus, alpha=0.8):
    """The beam: texture row t = 0 spans the glass, row t = 1 shrinks to the focus."""
    corners = [to_pixel(*lens_bottom), to_pixel(*lens_top), to_pixel(*focus)]
    (x0, y0), (x1, y1), (x2, y2) = corners
    if abs((x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0)) < 1e-6:
        return  # all corners in a line: the triangle covers no pixel

    tex_w, tex_h = texture.size
    tex_points = [(0.0, 0.0), (tex_w, 0.0), (tex_w / 2, tex_h)]
    rows = [[x, y, 1.0] for x, y in corners]
    to_u = _solve3(rows, [u for u, _ in tex_points])
    to_v = _solve3(rows, [v for _, v in tex_points])
    beam = texture.transform(canvas.size, Image.AFFINE, to_u + to_v, resample=Image.BILINEAR)

    mask = Image.new("L", canvas.size, 0)
    ImageDraw.Draw(mask).polygon(corners, fill=255)
    beam_alpha = beam.getchannel("A").point(lambda v: round(v * alpha))
    beam.putalpha(Image.composite(beam_alpha, Image.new("L", canvas.size, 0), mask))
    canvas.alpha_composite(beam)
