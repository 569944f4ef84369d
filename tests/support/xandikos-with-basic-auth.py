#!/usr/bin/python3
"""Serves a Xandikos store on loopback behind HTTP Basic authentication.

Xandikos has no authentication of its own; in use it sits behind a reverse proxy that asks for
the password. This stands in for that proxy in front of the same application that the xandikos
command runs, so clients meet a server that refuses requests without the right password.

Arguments: STORE-DIR PORT USER; the password comes in the environment as DAV_PASSWORD, so it
does not show in the process list. DAV_AUTH=digest asks for it by HTTP Digest (RFC 7616, MD5 with
qop=auth) instead of Basic.
"""
import base64
import hashlib
import os
import re
import secrets
import sys

from aiohttp import web
from xandikos.web import WELLKNOWN_DAV_PATHS, XandikosApp, XandikosBackend


def main():
    directory, port, user = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    password = os.environ["DAV_PASSWORD"]
    principal = "/%s/" % user
    backend = XandikosBackend(directory)
    backend._mark_as_principal(principal)
    if not os.path.isdir(os.path.join(directory, user)):
        # Also makes the principal's contacts/ and calendars/ homes, as "xandikos --defaults".
        backend.create_principal(principal, create_defaults=True)
    dav = XandikosApp(backend, current_user_principal=principal)
    expected = "Basic " + base64.b64encode(("%s:%s" % (user, password)).encode()).decode()
    digest = os.environ.get("DAV_AUTH") == "digest"
    realm = "Xandikos"
    nonces = set()

    def md5(text):
        return hashlib.md5(text.encode()).hexdigest()

    def digest_ok(request):
        header = request.headers.get("Authorization", "")
        if not header.startswith("Digest "):
            return False
        fields = {k: a or b for k, a, b in re.findall(r'(\w+)=(?:"([^"]*)"|([^,\s]*))', header[7:])}
        if fields.get("username") != user or fields.get("nonce") not in nonces or fields.get("realm") != realm:
            return False
        ha1 = md5("%s:%s:%s" % (user, realm, password))
        ha2 = md5("%s:%s" % (request.method, fields.get("uri", "")))
        want = md5(":".join([ha1, fields["nonce"], fields.get("nc", ""), fields.get("cnonce", ""),
                             fields.get("qop", ""), ha2]))
        return fields.get("response") == want

    def challenge():
        if not digest:
            return 'Basic realm="%s"' % realm
        nonce = secrets.token_hex(16)
        nonces.add(nonce)
        return 'Digest realm="%s", qop="auth", nonce="%s", algorithm=MD5' % (realm, nonce)

    @web.middleware
    async def basic_auth(request, handler):
        # Under Digest the challenge offers Digest alone, so a client answers with it; Basic sent
        # unasked is still taken, so that the tests fill the store the same way either way.
        accepted = request.headers.get("Authorization") == expected or (digest and digest_ok(request))
        if not accepted:
            return web.Response(status=401, headers={"WWW-Authenticate": challenge()})
        return await handler(request)

    async def redirect_to_root(request):
        return web.HTTPFound("/")

    async def serve(request):
        return await dav.aiohttp_handler(request, "/")

    app = web.Application(middlewares=[basic_auth])
    for path in WELLKNOWN_DAV_PATHS:
        app.router.add_route("*", path, redirect_to_root)
    app.router.add_route("*", "/{path_info:.*}", serve)
    web.run_app(app, host="127.0.0.1", port=port, print=None)


if __name__ == "__main__":
    main()
