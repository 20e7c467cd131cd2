"""Reads one stored message with Python's email package and prints what a mail reader sees,
as JSON: the decoded headers and the decoded text of each part, every header by name, and the
defects found in the message and in each of its parts."""
import json
import sys
from email import policy
from email.parser import BytesParser

with open(sys.argv[1], "rb") as f:
    m = BytesParser(policy=policy.default).parse(f)

parties = []
defauts = []
for p in m.walk():
    defauts += [str(d) for d in p.defects]
    if p.get_content_maintype() == "text":
        parties.append({"type": p.get_content_type(), "charset": p.get_content_charset(),
                        "texte": p.get_content()})
print(json.dumps({
    "from": str(m["From"]), "to": str(m["To"]), "subject": str(m["Subject"]),
    "message_id": str(m["Message-ID"]), "date": str(m["Date"]),
    "type": m.get_content_type(), "defauts": defauts,
    "entetes": {nom: str(valeur) for nom, valeur in m.items()},
    "parties": parties,
}))
