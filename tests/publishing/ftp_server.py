"""FTP server on a free loopback port for the upload tests.

Usage: ftp_server.py ROOT USER PASSWORD [USER PASSWORD ...]
Every user may read and write in ROOT. Prints the port on the first line of
standard output once the server listens, then serves until it is killed.
When FTP_RECEIVED is set to a folder, every file received is also copied
there as <n>-<name> (n counting from 1), so repeated uploads of one name can
be counted and each looked at.
"""
import logging
import os
import shutil
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    root = sys.argv[1]
    logins = sys.argv[2:]
    authorizer = DummyAuthorizer()
    for user, password in zip(logins[0::2], logins[1::2]):
        authorizer.add_user(user, password, root, perm="elradfmwMT")

    received = os.environ.get("FTP_RECEIVED")
    count = [0]

    class Handler(FTPHandler):
        def on_file_received(self, file):
            if received:
                count[0] += 1
                name = "%d-%s" % (count[0], os.path.basename(file))
                shutil.copyfile(file, os.path.join(received, name))

    Handler.authorizer = authorizer
    # A refused login answers at once instead of after the usual delay.
    Handler.auth_failed_timeout = 0
    logging.basicConfig(level=logging.WARNING)
    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
