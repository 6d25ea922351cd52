"""SMTP server on a free loopback port for the mail tests.

Usage: smtp_server.py FOLDER
Every message received is stored as FOLDER/<n>.eml, its envelope (sender and
recipients) as FOLDER/<n>.json, both before the server accepts the message.
Prints the port on the first line of standard output once the server
listens, then serves until it is killed.
"""
import asyncio
import json
import os
import sys

from aiosmtpd.smtp import SMTP


class Store:
    def __init__(self, folder):
        self.folder = folder
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        base = os.path.join(self.folder, str(self.count))
        with open(base + ".eml", "wb") as f:
            f.write(envelope.original_content or envelope.content)
        with open(base + ".json", "w") as f:
            json.dump({"from": envelope.mail_from, "to": envelope.rcpt_tos}, f)
        return "250 OK"


async def main():
    store = Store(sys.argv[1])
    loop = asyncio.get_running_loop()
    server = await loop.create_server(lambda: SMTP(store), host="127.0.0.1", port=0)
    print(server.sockets[0].getsockname()[1], flush=True)
    await server.serve_forever()


if __name__ == "__main__":
    asyncio.run(main())
