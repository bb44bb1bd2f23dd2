"""C++ source text cut into the pieces our tools tell apart: comments,
string and character literals, preprocessor lines and the code between
them. Only as much C++ is read as that needs: a literal's prefix (u8, L,
R, u8R …) belongs to the literal, a digit separator (1'000) to its
number, and a backslash at a line's end carries a comment, a literal or a
preprocessor line on to the next.
"""

import re
from typing import NamedTuple

_PIECE = re.compile(r"""
    (?P<comment> //(?:\\\n|[^\n])* | /\*.*?(?:\*/|\Z) )
  | (?P<literal> (?P<prefix>(?:u8|[uUL])?(?P<raw>R)?)
        (?(raw) "(?P<delimiter>[^()\\\s]{0,16})\( (?P<raw_body>.*?) (?:\)(?P=delimiter)"|\Z)
              | (?P<quote>["']) (?P<body>(?:\\.|(?!(?P=quote))[^\\\n])*) (?P=quote)? ) )
  | \d(?:'?[\w.])*            # a number, read whole for its digit separators
  | [^\W\d]\w*                # a name, read whole so that no prefix is found inside one
  | ^[ \t]*(?P<directive>\#)
  | (?P<newline>\n)
""", re.VERBOSE | re.DOTALL | re.MULTILINE)


class Piece(NamedTuple):
    kind: str  # "code", "directive" (the code of a preprocessor line), "comment" or "literal"
    text: str
    start: int  # where text starts in the whole
    line: int  # the line it starts on, from 1
    prefix: str = ""  # a literal's: "", "L", "u8", "R", "u8R" …
    body: str = ""  # a literal's text between its quotes, or a raw string's between its parentheses

    @property
    def raw(self):
        return self.prefix.endswith("R")


def pieces(text):
    """The Pieces of text in order; together they are the whole text. An
    unterminated literal ends at its line's end, an unterminated comment or
    raw string at the text's end."""
    cuts = [(0, "code", None)]  # where each piece starts, its kind and a comment's or literal's match
    code = "code"  # what the text outside comments and literals is for now
    for match in _PIECE.finditer(text):
        kind = match.lastgroup
        if kind in ("comment", "literal"):
            cuts += [(match.start(), kind, match), (match.end(), code, None)]
        elif kind == "directive" and code == "code":
            code = "directive"
            cuts.append((match.start(kind), code, None))
        elif kind == "newline" and code == "directive" and not text.endswith("\\", 0, match.start()):
            code = "code"
            cuts.append((match.start(), code, None))
    cuts.append((len(text), None, None))
    line = 1
    for (start, kind, match), (end, _, _) in zip(cuts, cuts[1:]):
        if start < end:
            piece = Piece(kind, text[start:end], start, line)
            if kind == "literal":
                body = match["body"] if match["quote"] else match["raw_body"]
                piece = piece._replace(prefix=match["prefix"], body=body)
            yield piece
        line += text.count("\n", start, end)
