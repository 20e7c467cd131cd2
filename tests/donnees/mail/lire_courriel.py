"""Reads one stored message with Python's email package and prints what a mail reader sees,
as JSON: the decoded headers and the decoded text of each part, every header by name, and the
defects found in the message and in each of its parts. With --utf8, the message is one that
travelled with SMTPUTF8: its bytes must be valid UTF-8 (RFC 6532) and are read as such, and the
one defect Python's parser reports for what RFC 6532 allows (a mailbox beyond ASCII) is not
counted."""
import json
import sys
from email import policy
from email.errors import NonASCIILocalPartDefect
from email.parser import BytesParser, Parser

utf8 = "--utf8" in sys.argv[2:]
with open(sys.argv[1], "rb") as f:
    if utf8:
        m = Parser(policy=policy.SMTPUTF8).parsestr(f.read().decode("utf-8", errors="strict"))
    else:
        m = BytesParser(policy=policy.default).parse(f)

parties = []
defauts = []
for nom in ("From", "To"):
    if m[nom] is not None:
        defauts += [str(d) for d in m[nom].defects
                    if not (utf8 and isinstance(d, NonASCIILocalPartDefect))]
for p in m.walk():
    defauts += [str(d) for d in p.defects]
    if p.get_content_maintype() == "text":
        parties.append({"type": p.get_content_type(), "charset": p.get_content_charset(),
                        "texte": p.get_content()})
print(json.dumps({
    "from": str(m["From"]), "to": str(m["To"]), "subject": str(m["Subject"]),
    "to_adresses": [a.addr_spec for a in m["To"].addresses] if m["To"] is not None else [],
    "message_id": str(m["Message-ID"]), "date": str(m["Date"]),
    "type": m.get_content_type(), "defauts": defauts,
    "entetes": {nom: str(valeur) for nom, valeur in m.items()},
    "parties": parties,
}))
