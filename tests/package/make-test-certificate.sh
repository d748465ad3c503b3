#!/bin/sh
# Makes a throwaway code-signing certificate, valid for two days, for the package test to sign
# the Windows packages with and check their signatures against (no publisher's certificate is
# kept in the repository or in CI). Writes into FOLDER, readable by this user only:
#   signer.pem  the self-signed certificate (SIGN_VERIFY_CERT)
#   signer.p12  the certificate with its key (SIGN_PKCS12)
#   password    the PKCS#12 file's password, made up here (SIGN_PASSWORD_FILE)
# Usage: make-test-certificate.sh FOLDER
set -eu
[ $# -eq 1 ] || { echo "usage: $0 FOLDER" >&2; exit 2; }
umask 077
mkdir -p "$1"
cd "$1"
openssl rand -hex 16 >password
openssl req -x509 -newkey rsa:2048 -sha256 -days 2 -nodes -keyout signer.key -out signer.pem \
    -subj "/CN=Iron Canopy Server Tools throwaway test signer" \
    -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
openssl pkcs12 -export -inkey signer.key -in signer.pem -out signer.p12 -passout file:password
rm -f signer.key
echo "throwaway signing certificate in $1"
