"""The few Xlib and XTest calls the benchmarks time themselves, through ctypes: a click or a key
injected at a known moment, and a window's pixels to tell when it has been painted."""
import ctypes
import hashlib

_x = ctypes.cdll.LoadLibrary("libX11.so.6")
_xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
_x.XOpenDisplay.restype = ctypes.c_void_p
_x.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_x.XKeysymToKeycode.restype = ctypes.c_ubyte
_x.XStringToKeysym.argtypes = [ctypes.c_char_p]
_x.XStringToKeysym.restype = ctypes.c_ulong
_x.XGetImage.restype = ctypes.c_void_p
_x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                         ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
_x.XFree.argtypes = [ctypes.c_void_p]
_x.XSetErrorHandler.argtypes = [ctypes.c_void_p]
_xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_ulong]
_xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                       ctypes.c_ulong]
_x.XkbLockGroup.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_uint]
_xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

# A window that goes away while its pixels are read is no reason to stop the benchmark.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)
_x.XSetErrorHandler(ctypes.cast(_ERROR_HANDLER, ctypes.c_void_p))


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int)]


class Display:
    def __init__(self):
        self.d = _x.XOpenDisplay(None)
        if not self.d:
            raise RuntimeError("no display")

    def click(self, x, y):
        _xtst.XTestFakeMotionEvent(self.d, -1, x, y, 0)
        _xtst.XTestFakeButtonEvent(self.d, 1, 1, 0)
        _xtst.XTestFakeButtonEvent(self.d, 1, 0, 0)
        _x.XSync(self.d, 0)

    def keys(self, names):
        for name in names:
            code = _x.XKeysymToKeycode(self.d, _x.XStringToKeysym(name.encode()))
            _xtst.XTestFakeKeyEvent(self.d, code, 1, 0)
            _xtst.XTestFakeKeyEvent(self.d, code, 0, 0)
        _x.XSync(self.d, 0)

    def lock_group(self, group):
        """Selects a group of a layout of several, as the user's layout switch does."""
        _x.XkbLockGroup(self.d, 0x100, group)  # XkbUseCoreKbd
        _x.XSync(self.d, 0)

    def picture(self, window, width, height):
        """A digest of the window's pixels, or None while they cannot be read."""
        image = _x.XGetImage(self.d, window, 0, 0, width, height, 0xFFFFFFFF, 2)
        if not image:
            return None
        header = _XImage.from_address(image)
        data = ctypes.string_at(header.data, header.bytes_per_line * header.height)
        _x.XFree(header.data)
        _x.XFree(image)
        return hashlib.blake2b(data, digest_size=16).digest()
