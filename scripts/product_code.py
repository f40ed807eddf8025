"""What the checks over product code share: the product's top-level folders, read from the layer
table of the README at the source root (the table the build's layers follow, see
cmake/Layers.cmake), so that the checks cover a new folder as soon as it has a layer (tests/
and scripts/ are no product code); and C++ text with its comments (and literals) blanked.

    from product_code import product_folders, strip_code
"""
import os
import re

TABLE_HEAD = re.compile(r"^\|\s*Folder \(target\)\s*\|")
FOLDER = re.compile(r"`([A-Za-z0-9_]+)/[^`]*`")


def product_folders(root):
    """The sorted top-level folders named in the first column of the layer table. Raises
    ValueError when the README has no such table or a folder named there does not exist."""
    with open(os.path.join(root, "README.md"), encoding="utf-8") as readme:
        lines = readme.read().splitlines()
    start = next((i for i, line in enumerate(lines) if TABLE_HEAD.match(line)), None)
    if start is None:
        raise ValueError("README.md has no layer table (| Folder (target) | May use |)")
    folders = set()
    for line in lines[start + 2:]:
        if not line.startswith("|"):
            break
        folders.update(FOLDER.findall(line.split("|")[1]))
    missing = sorted(f for f in folders if not os.path.isdir(os.path.join(root, f)))
    if not folders or missing:
        raise ValueError(f"README.md's layer table names missing folders: {missing}")
    return sorted(folders)


def strip_code(text, comments_only=False):
    """Comments become spaces, and unless `comments_only` so do string and character literals and
    preprocessor lines (else they are kept as they are); line breaks are kept so that positions
    keep their line numbers."""
    out = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#" and not comments_only:
            # Preprocessor line, with its continuations.
            while i < n and text[i] != "\n":
                if text[i] == "\\" and i + 1 < n and text[i + 1] == "\n":
                    out.append(" \n")
                    i += 2
                    continue
                out.append(" ")
                i += 1
            continue
        if c == "\n":
            line_start = True
            out.append(c)
            i += 1
            continue
        if not c.isspace():
            line_start = False
        if text.startswith("//", i):
            while i < n and text[i] != "\n":
                out.append(" ")
                i += 1
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(re.sub(r"[^\n]", " ", text[i:end]))
            i = end
            continue
        raw = re.match(r'R"([^()\\\s]{0,16})\(', text[i:i + 20])
        if raw and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            close = ")" + raw.group(1) + '"'
            end = text.find(close, i + raw.end())
            end = n if end < 0 else end + len(close)
            out.append(text[i:end] if comments_only else
                       '"' + re.sub(r"[^\n]", " ", text[i + 1:end - 1]) + '"')
            i = end
            continue
        if c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum():
                out.append(" ")  # digit separator: 1'000
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(text[i:j + 1] if comments_only else
                       c + " " * (min(j, n) - i - 1) + (c if j < n else ""))
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out)
