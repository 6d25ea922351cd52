"""Reads one stored message and prints what the mail tests check, as JSON:
the decoded To and Subject, the names of all headers, the text body and every
attachment (file name, content type, data in base64).

Usage: mail_check.py MESSAGE.eml
"""
import base64
import email
import json
import sys
from email.header import decode_header, make_header


def decoded(value):
    return str(make_header(decode_header(value))) if value is not None else None


def main():
    with open(sys.argv[1], "rb") as f:
        message = email.message_from_binary_file(f)
    result = {
        "to": decoded(message["To"]),
        "subject": decoded(message["Subject"]),
        "headers": list(message.keys()),
        "body": "",
        "attachments": [],
    }
    for part in message.walk():
        if part.is_multipart():
            continue
        if part.get_filename():
            result["attachments"].append({
                "filename": part.get_filename(),
                "type": part.get_content_type(),
                "data": base64.b64encode(part.get_payload(decode=True)).decode(),
            })
        elif part.get_content_type() == "text/plain":
            result["body"] += part.get_payload(decode=True).decode(
                part.get_content_charset() or "ascii")
    print(json.dumps(result))


if __name__ == "__main__":
    main()
