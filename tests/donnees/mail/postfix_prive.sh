#!/usr/bin/env bash
# A private Postfix for one test (as root): its own configuration, queue and log in DIR, smtpd on
# 127.0.0.1:PORT with STARTTLS and AUTH (LOGIN, PLAIN) only after TLS, and on 127.0.0.1:PORT_TLS
# with TLS from the first byte; one user, club@example.org / secret-Passe9, in a sasldb of its
# own. Nothing of the machine's Postfix is read or changed. Stop it with: postfix -c DIR/etc stop
# Usage: postfix_prive.sh DIR PORT PORT_TLS CERTIFICATE KEY
set -euo pipefail
D=$1 PORT=$2 PORT_TLS=$3
CONF=$D/etc
mkdir -p "$CONF/sasl" "$D/spool" "$D/data"
# The postfix user reaches its data through the test's own directory.
chmod 755 "$D"
chown postfix:postfix "$D/data"
cp "$4" "$CONF/cert.pem"
cp "$5" "$CONF/key.pem"
chmod 600 "$CONF/key.pem"
sed 's/^smtp \( *inet.*smtpd\)$/#&/' /usr/share/postfix/master.cf.dist > "$CONF/master.cf"
cat >> "$CONF/master.cf" <<C
127.0.0.1:$PORT inet n - n - - smtpd
127.0.0.1:$PORT_TLS inet n - n - - smtpd -o smtpd_tls_wrappermode=yes -o smtpd_tls_auth_only=no
C
cat > "$CONF/sasl/smtpd.conf" <<C
pwcheck_method: auxprop
auxprop_plugin: sasldb
sasldb_path: $CONF/sasldb2
mech_list: PLAIN LOGIN
C
echo 'secret-Passe9' | saslpasswd2 -p -c -f "$CONF/sasldb2" -u example.org club
chown postfix:postfix "$CONF/sasldb2"
chmod 640 "$CONF/sasldb2"
cat > "$CONF/main.cf" <<C
compatibility_level = 3.6
queue_directory = $D/spool
data_directory = $D/data
mail_owner = postfix
setgid_group = postdrop
myhostname = postfix-prive.localhost
mydestination =
inet_interfaces = loopback-only
inet_protocols = ipv4
mynetworks = 127.0.0.0/8
maillog_file = $D/postfix.log
maillog_file_prefixes = /tmp, /var, $D
smtpd_banner = \$myhostname ESMTP
smtpd_tls_cert_file = $CONF/cert.pem
smtpd_tls_key_file = $CONF/key.pem
smtpd_tls_security_level = may
smtpd_tls_auth_only = yes
smtpd_sasl_auth_enable = yes
smtpd_sasl_type = cyrus
smtpd_sasl_path = smtpd
cyrus_sasl_config_path = $CONF/sasl
smtpd_sasl_local_domain = example.org
smtpd_recipient_restrictions = permit_sasl_authenticated, reject
alias_maps =
alias_database =
C
postfix -c "$CONF" start
