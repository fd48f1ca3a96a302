#!/usr/bin/env python3
"""Checks a 32-bit plug-in DLL from its file.

- The export table names the module exactly and holds exactly the given names, undecorated.
- Each export's code returns with `ret N`, N being the argument bytes given for it (stdcall:
  the callee removes its arguments). Unconditional jumps are followed to their target.
- Every imported DLL is one of the system's own, so nothing has to be shipped beside it.

Usage: check_dll.py --dll FILE --module NAME --objdump TOOL Name:bytes [Name:bytes ...]
"""
import argparse
import re
import struct
import subprocess
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "msvcrt.dll", "ntdll.dll", "advapi32.dll"}


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        if machine != 0x14C:
            raise ValueError("not a 32-bit x86 image (machine 0x%x)" % machine)
        optional = pe + 24
        if struct.unpack_from("<H", data, optional)[0] != 0x10B:
            raise ValueError("not a PE32 optional header")
        self.image_base = struct.unpack_from("<I", data, optional + 28)[0]
        self.directories = [struct.unpack_from("<II", data, optional + 96 + 8 * i) for i in range(16)]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            _, vsize, va, raw_size, raw_ptr = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((va, max(vsize, raw_size), raw_ptr))

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError("address 0x%x lies in no section" % rva)

    def u32(self, rva):
        return struct.unpack_from("<I", self.data, self.offset(rva))[0]

    def u16(self, rva):
        return struct.unpack_from("<H", self.data, self.offset(rva))[0]

    def cstr(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("latin-1")

    def exports(self):
        rva, _ = self.directories[0]
        if rva == 0:
            return "", {}
        name = self.cstr(self.u32(rva + 12))
        functions, names = self.u32(rva + 20), self.u32(rva + 24)
        addresses, name_table, ordinals = self.u32(rva + 28), self.u32(rva + 32), self.u32(rva + 36)
        result = {}
        for i in range(names):
            ordinal = self.u16(ordinals + 2 * i)
            result[self.cstr(self.u32(name_table + 4 * i))] = self.u32(addresses + 4 * ordinal)
        if functions != names:
            result["<%d entries without a name>" % (functions - names)] = 0
        return name, result

    def imports(self):
        rva, _ = self.directories[1]
        dlls = []
        while rva:
            name_rva = self.u32(rva + 12)
            if name_rva == 0:
                break
            dlls.append(self.cstr(name_rva))
            rva += 20
        return dlls


INSTRUCTION = re.compile(r"^\s*([0-9a-f]+):\s+(?:[0-9a-f]{2} )+\s*(\S+)\s*(.*)$")


def returned_bytes(objdump, dll, address, depth=0):
    """The operand of the first ret reached from address, following unconditional jumps."""
    listing = subprocess.run([objdump, "-d", "-w",
                              "--start-address=0x%x" % address, "--stop-address=0x%x" % (address + 512), dll],
                             capture_output=True, text=True, check=True).stdout
    for line in listing.splitlines():
        match = INSTRUCTION.match(line)
        if not match:
            continue
        mnemonic, operands = match.group(2), match.group(3)
        if mnemonic.startswith("ret"):
            immediate = re.match(r"\$0x([0-9a-f]+)", operands)
            return int(immediate.group(1), 16) if immediate else 0
        if mnemonic == "jmp":
            target = re.match(r"(?:0x)?([0-9a-f]+)", operands)
            if not target or depth > 4:
                raise ValueError("export leaves through '%s %s'" % (mnemonic, operands))
            return returned_bytes(objdump, dll, int(target.group(1), 16), depth + 1)
    raise ValueError("no ret found")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--dll", required=True)
    parser.add_argument("--module", required=True)
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--max-bytes", type=int, help="largest file size allowed")
    parser.add_argument("exports", nargs="+", help="Name:argument-bytes")
    args = parser.parse_args()
    expected = {name: int(size) for name, size in (e.split(":") for e in args.exports)}

    with open(args.dll, "rb") as f:
        image = Image(f.read())
    failures = []

    module, exports = image.exports()
    if module != args.module:
        failures.append("module name is %r, not %r" % (module, args.module))
    if set(exports) != set(expected):
        failures.append("exports are %s, not %s" % (sorted(exports), sorted(expected)))

    for name, size in sorted(expected.items()):
        if name not in exports:
            continue
        try:
            got = returned_bytes(args.objdump, args.dll, image.image_base + exports[name])
        except (ValueError, subprocess.CalledProcessError) as error:
            failures.append("%s: %s" % (name, error))
            continue
        verdict = "ok" if got == size else "WRONG"
        print("%-18s ret %-3d expected %-3d %s" % (name, got, size, verdict))
        if got != size:
            failures.append("%s removes %d argument bytes, not %d" % (name, got, size))

    imports = image.imports()
    print("imports:", ", ".join(imports))
    for dll in imports:
        if dll.lower() not in SYSTEM_DLLS:
            failures.append("imports %s, which is not a system DLL" % dll)

    size = len(image.data)
    print("size: %d bytes" % size)
    if args.max_bytes is not None and size > args.max_bytes:
        failures.append("the file is %d bytes, more than %d" % (size, args.max_bytes))

    for failure in failures:
        print("FAIL:", failure)
    checks = 3 + len(expected) + (args.max_bytes is not None)  # module name, export names, imports, and one ret per export
    print("%d passed, %d failed" % (max(checks - len(failures), 0), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
