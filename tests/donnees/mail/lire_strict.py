"""Reads one message file with Python's email package under its strict policy (any defect
raises) and prints its tree of parts as JSON: for each part its depth, content type, Content-ID,
disposition and file name, the decoded text of a text part and the SHA-256 of the decoded bytes
of any other leaf."""
import hashlib
import json
import sys
from email import policy
from email.parser import BytesParser

with open(sys.argv[1], "rb") as f:
    m = BytesParser(policy=policy.strict).parse(f)


def parcourir(partie, profondeur, sortie):
    element = {"profondeur": profondeur, "type": partie.get_content_type(),
               "cid": partie.get("Content-ID"), "disposition": partie.get_content_disposition(),
               "nom": partie.get_filename()}
    sortie.append(element)
    if partie.is_multipart():
        element["parametre_type"] = partie.get_param("type")
        for enfant in partie.iter_parts():
            parcourir(enfant, profondeur + 1, sortie)
    elif partie.get_content_maintype() == "text":
        element["texte"] = partie.get_content()
    else:
        element["sha256"] = hashlib.sha256(partie.get_payload(decode=True)).hexdigest()


parties = []
parcourir(m, 0, parties)
print(json.dumps({"parties": parties}))
