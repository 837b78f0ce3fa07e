#!/bin/sh
# Signs Windows programs and DLLs in place (Authenticode, with osslsigncode)
# when the environment gives a key, and does nothing when it gives none.
#   windows/package/sign.sh FILE...
# The key, one of:
#   VANTOR_SIGN_PKCS12         a PKCS#12 file with the key, the certificate
#                              and its chain;
#   VANTOR_SIGN_PKCS11_MODULE  a PKCS#11 token: its module (.so), with
#   VANTOR_SIGN_PKCS11_KEY     the key's PKCS#11 URI (pkcs11:token=...;object=...)
#   VANTOR_SIGN_CERTIFICATE    and the certificate with its chain (PEM).
# VANTOR_SIGN_PASSWORD is the PKCS#12 file's password or the token's PIN. It
# reaches osslsigncode through a pipe, never on a command line, which every
# process on the machine can read.
# The windows-package target signs the programs and vantor-libm.dll with it
# before they are zipped and packed, and makensis the uninstaller and the
# installer (windows/package/vantor.nsi).
set -eu
pkcs11=${VANTOR_SIGN_PKCS11_MODULE:-}${VANTOR_SIGN_PKCS11_KEY:-}
if [ -z "${VANTOR_SIGN_PKCS12:-}" ] && [ -z "$pkcs11" ]; then
    exit 0
fi
if [ -n "${VANTOR_SIGN_PKCS12:-}" ] && [ -n "$pkcs11" ]; then
    echo "sign: give VANTOR_SIGN_PKCS12 or VANTOR_SIGN_PKCS11_*, not both" >&2
    exit 1
fi
if [ -n "$pkcs11" ] && { [ -z "${VANTOR_SIGN_PKCS11_MODULE:-}" ] || [ -z "${VANTOR_SIGN_PKCS11_KEY:-}" ] ||
    [ -z "${VANTOR_SIGN_CERTIFICATE:-}" ]; }; then
    echo "sign: a PKCS#11 key needs VANTOR_SIGN_PKCS11_MODULE, VANTOR_SIGN_PKCS11_KEY and VANTOR_SIGN_CERTIFICATE" >&2
    exit 1
fi

# osslsigncode sign with the key, password from standard input.
sign() {
    if [ -n "${VANTOR_SIGN_PKCS12:-}" ]; then
        osslsigncode sign -pkcs12 "$VANTOR_SIGN_PKCS12" "$@"
    else
        osslsigncode sign -pkcs11module "$VANTOR_SIGN_PKCS11_MODULE" -key "$VANTOR_SIGN_PKCS11_KEY" \
            -certs "$VANTOR_SIGN_CERTIFICATE" "$@"
    fi
}

for file in "$@"; do
    rm -f "$file.signed"
    printf '%s' "${VANTOR_SIGN_PASSWORD:-}" |
        sign -readpass - -h sha256 -n Vantor -in "$file" -out "$file.signed" >/dev/null
    # Written back into the same file: makensis reads the uninstaller it
    # handed over from the file it made.
    cat "$file.signed" >"$file"
    rm "$file.signed"
    echo "sign: signed $file"
done
