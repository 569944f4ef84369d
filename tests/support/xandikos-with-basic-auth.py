#!/usr/bin/python3
"""Serves a Xandikos store on loopback behind HTTP Basic authentication.

Xandikos has no authentication of its own; in use it sits behind a reverse proxy that asks for
the password. This stands in for that proxy in front of the same application that the xandikos
command runs, so clients meet a server that refuses requests without the right password.

Arguments: STORE-DIR PORT USER; the password comes in the environment as DAV_PASSWORD, so it
does not show in the process list.
"""
import base64
import os
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

    @web.middleware
    async def basic_auth(request, handler):
        if request.headers.get("Authorization") != expected:
            return web.Response(status=401, headers={"WWW-Authenticate": 'Basic realm="Xandikos"'})
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
