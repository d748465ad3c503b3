#!/bin/sh
# Signs Windows programs (PE files) in place with Authenticode, through osslsigncode, with the
# certificate the environment names:
#   SIGN_PKCS12          a PKCS#12 file (.p12/.pfx) holding the certificate and its key, or
#   SIGN_PKCS11_MODULE   a PKCS#11 module (a token's .so) with
#   SIGN_PKCS11_KEY      the key's id on the token (or a pkcs11: URI) and
#   SIGN_PKCS11_CERT     the certificate: a file (PEM or DER), or its id on the token;
#   SIGN_PKCS11_ENGINE   the OpenSSL engine for PKCS#11 tokens, where osslsigncode needs it named;
#   SIGN_PASSWORD_FILE   a file whose first line is the PKCS#12 file's password or the token's
#                        PIN, or SIGN_PASSWORD the password itself;
#   SIGN_TIMESTAMP_URL   a time-stamp server (RFC 3161), so that the signatures stay valid after
#                        the certificate expires; none when empty.
#
# Usage: sign-windows.sh FILE...   signs each FILE in place
#        sign-windows.sh --check   only checks the settings; exit status 3 when no certificate
#                                  is named
# The password never goes on a command line: one given in SIGN_PASSWORD is passed on in a file
# only this user can read, removed afterwards.
set -eu
# One file at a time.
if [ $# -gt 1 ]; then
    for file; do sh "$0" "$file"; done
    exit 0
fi
fail() {
    echo "sign-windows: $*" >&2
    exit 1
}

[ $# -eq 1 ] || fail "usage: $0 FILE... | --check"
target=$1
shift
pkcs12=${SIGN_PKCS12:-}
module=${SIGN_PKCS11_MODULE:-}
if [ -z "$pkcs12" ] && [ -z "$module" ]; then
    [ "$target" = --check ] && exit 3
    fail "no certificate: set SIGN_PKCS12, or SIGN_PKCS11_MODULE with SIGN_PKCS11_KEY and SIGN_PKCS11_CERT"
fi
[ -z "$pkcs12" ] || [ -z "$module" ] || fail "SIGN_PKCS12 and SIGN_PKCS11_MODULE both set: name one"
command -v osslsigncode >/dev/null || fail "osslsigncode is missing (scripts/install-windows-deps.sh)"
password_file=${SIGN_PASSWORD_FILE:-}
[ -z "$password_file" ] || [ -r "$password_file" ] || fail "cannot read SIGN_PASSWORD_FILE $password_file"
if [ -n "$pkcs12" ]; then
    [ -r "$pkcs12" ] || fail "cannot read SIGN_PKCS12 $pkcs12"
    [ -n "$password_file" ] || [ -n "${SIGN_PASSWORD+set}" ] ||
        fail "no password for $pkcs12: set SIGN_PASSWORD_FILE or SIGN_PASSWORD"
    set -- "$@" -pkcs12 "$pkcs12"
else
    [ -r "$module" ] || fail "cannot read SIGN_PKCS11_MODULE $module"
    key=${SIGN_PKCS11_KEY:-}
    cert=${SIGN_PKCS11_CERT:-}
    [ -n "$key" ] || fail "SIGN_PKCS11_MODULE needs SIGN_PKCS11_KEY, the key's id on the token"
    [ -n "$cert" ] || fail "SIGN_PKCS11_MODULE needs SIGN_PKCS11_CERT, a certificate file or id"
    [ -z "${SIGN_PKCS11_ENGINE:-}" ] || set -- "$@" -pkcs11engine "$SIGN_PKCS11_ENGINE"
    set -- "$@" -pkcs11module "$module" -key "$key"
    if [ -f "$cert" ]; then set -- "$@" -certs "$cert"; else set -- "$@" -pkcs11cert "$cert"; fi
fi
[ "$target" = --check ] && exit 0
[ -f "$target" ] || fail "no file $target"

work=$(mktemp -d "${TMPDIR:-/tmp}/sign-windows-XXXXXX")
trap 'rm -rf "$work"' EXIT
if [ -z "$password_file" ] && [ -n "${SIGN_PASSWORD+set}" ]; then
    password_file=$work/password
    (umask 077 && printf '%s\n' "$SIGN_PASSWORD" >"$password_file")
fi
[ -z "$password_file" ] || set -- "$@" -readpass "$password_file"
set -- "$@" -h sha256 -n "Iron Canopy Dedicated Server Tools"
[ -z "${SIGN_TIMESTAMP_URL:-}" ] || set -- "$@" -ts "$SIGN_TIMESTAMP_URL"

# Written beside, then copied over: a failed signing leaves the file as it was.
osslsigncode sign "$@" -in "$target" -out "$work/signed" >"$work/log" 2>&1 || {
    cat "$work/log" >&2
    fail "could not sign $target"
}
cat "$work/signed" >"$target"
echo "signed $target"
