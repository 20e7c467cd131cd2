"""Sends COUNT messages of SIZE bytes over one connection with smtplib, RSET before each,
and prints the seconds the sending took (connection included)."""
import smtplib
import sys
import time

hote, port, compte, taille = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
ligne = b"x" * 76 + b"\r\n"
corps = (b"Subject: banc\r\n\r\n" + ligne * (taille // len(ligne) + 1))[:taille]
debut = time.perf_counter()
s = smtplib.SMTP(hote, port)
s.ehlo("banc")
for _ in range(compte):
    s.rset()
    s.sendmail("club@exemple.org", ["dest@exemple.net"], corps)
s.quit()
print(time.perf_counter() - debut)
