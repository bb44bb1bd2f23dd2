"""Braces around every statement that an if, else, for, while or do
controls: the tree's one brace style, which clang-format 14 cannot insert
by itself. tools/format uses it to find the statements without braces and
to put braces around them.

The C++ is read as far as a brace needs: comments, string and character
literals and preprocessor lines are blanked out first, so no brace is
looked for or placed inside them.
"""

import re

import cxxsource

CONTROL = re.compile(r"\b(if|for|while|else|do)\b")


def blank_out(text):
    """The text with comments, literals and preprocessor lines replaced by
    blanks of the same length (line breaks kept)."""
    return "".join(piece.text if piece.kind == "code" else re.sub(r"[^\n]", " ", piece.text)
                   for piece in cxxsource.pieces(text))


def _word_char(text, i):
    return i >= 0 and (text[i].isalnum() or text[i] == "_")


def _skip_blanks(code, i):
    while i < len(code) and code[i].isspace():
        i += 1
    return i


def _after_group(code, i, opening, closing):
    """The index after the group that opens at i."""
    depth = 0
    while i < len(code):
        if code[i] == opening:
            depth += 1
        elif code[i] == closing:
            depth -= 1
            if depth == 0:
                return i + 1
        i += 1
    return i


def _keyword_at(code, i):
    match = CONTROL.match(code, i)
    return match.group(1) if match and not _word_char(code, i - 1) else None


def _head_end(code, word, i, blanks=True):
    """Where the statement controlled by the keyword at i begins; without
    blanks, where the keyword's head (the condition) ends."""
    i += len(word)
    if word in ("if", "for", "while"):
        i = _skip_blanks(code, i)
        if word == "if" and code.startswith("constexpr", i):
            i = _skip_blanks(code, i + len("constexpr"))
        if i >= len(code) or code[i] != "(":
            return None
        i = _after_group(code, i, "(", ")")
    return _skip_blanks(code, i) if blanks else i


def _statement_end(code, i):
    """The index after the statement that starts at i."""
    i = _skip_blanks(code, i)
    if i < len(code) and code[i] == "{":
        return _after_group(code, i, "{", "}")
    word = _keyword_at(code, i)
    if word in ("if", "for", "while", "do", "switch") or code.startswith("switch", i):
        head = _head_end(code, word or "if", i) if word != "do" else _skip_blanks(code, i + 2)
        if head is None:
            return _simple_end(code, i)
        end = _statement_end(code, head)
        if word == "if":
            after = _skip_blanks(code, end)
            if _keyword_at(code, after) == "else":
                end = _statement_end(code, after + len("else"))
        elif word == "do":
            end = _simple_end(code, end)
        return end
    return _simple_end(code, i)


def _simple_end(code, i):
    """The index after the ; that ends the expression statement at i."""
    depth = 0
    while i < len(code):
        c = code[i]
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
        elif c == ";" and depth == 0:
            return i + 1
        i += 1
    return i


def unbraced(text):
    """(line, head, end) of each controlled statement without braces: the
    braces go after the head (the keyword and its condition) and at end."""
    code = blank_out(text)
    found = []
    for match in CONTROL.finditer(code):
        word = match.group(1)
        start = _head_end(code, word, match.start())
        if start is None or start >= len(code):
            continue
        if code[start] == "{" or (word == "else" and _keyword_at(code, start) == "if"):
            continue
        if word == "while" and code[start] == ";":
            continue  # the end of a do … while, or an empty loop
        head = _head_end(code, word, match.start(), blanks=False)
        end = _statement_end(code, start)
        line_end = code.find("\n", end)
        if line_end > 0 and not code[end:line_end].strip():
            end = line_end  # after a comment that ends the statement's line
        found.append((code.count("\n", 0, match.start()) + 1, head, end))
    return found


def add_braces(text):
    """The text with braces around every controlled statement; clang-format
    lays the braces out afterwards."""
    inserts = []
    for _, start, end in unbraced(text):
        inserts.append((start, " {"))
        inserts.append((end, "\n}"))
    # Later places first, so earlier indices stay valid; an inner
    # statement's closing brace goes before the outer one's at the same end.
    for place, brace in sorted(inserts, key=lambda item: (item[0], item[1] == "\n}"), reverse=True):
        text = text[:place] + brace + text[place:]
    return text
