"""Reads the resource tree of a PE executable (32 or 64 bit), to confirm that the
built launcher carries the skin images and icons."""

import struct

RT_ICON, RT_GROUP_ICON = 3, 14


def read_resources(data):
    """-> {(type, name, language): bytes}; type and name are ints or upper-case strings."""
    (pe,) = struct.unpack_from('<I', data, 0x3c)
    if data[pe:pe + 4] != b'PE\0\0':
        raise ValueError('not a PE file')
    nsec, = struct.unpack_from('<H', data, pe + 6)
    opt_size, = struct.unpack_from('<H', data, pe + 20)
    opt = pe + 24
    magic, = struct.unpack_from('<H', data, opt)
    dirs = opt + (96 if magic == 0x10b else 112)
    rsrc_rva, _rsrc_size = struct.unpack_from('<II', data, dirs + 2 * 8)
    sections = []
    for k in range(nsec):
        s = opt + opt_size + 40 * k
        vsize, va, rawsize, rawptr = struct.unpack_from('<IIII', data, s + 8)
        sections.append((va, max(vsize, rawsize), rawptr))

    def offset(rva):
        for va, size, raw in sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError('address %#x outside the sections' % rva)

    base = offset(rsrc_rva)

    def name_of(field):
        if field & 0x80000000:
            p = base + (field & 0x7fffffff)
            (n,) = struct.unpack_from('<H', data, p)
            return data[p + 2:p + 2 + 2 * n].decode('utf-16-le').upper()
        return field

    def walk(dir_off, path, out):
        named, ids = struct.unpack_from('<HH', data, base + dir_off + 12)
        for k in range(named + ids):
            field, target = struct.unpack_from('<II', data, base + dir_off + 16 + 8 * k)
            key = path + (name_of(field),)
            if target & 0x80000000:
                walk(target & 0x7fffffff, key, out)
            else:
                rva, size = struct.unpack_from('<II', data, base + target)
                p = offset(rva)
                out[key] = data[p:p + size]
        return out

    return walk(0, (), {})
