; Quorrel's FZX print routine for the ZX Spectrum.
;
; Sets text in an FZX font on the 256 x 192 screen the way Quorrel's preview
; and `quorrel-cli render --wrap` set it: each character Kern pixels over the
; end of the one before (but never left of the line's left edge, where it is
; drawn whole), the font's tracking after it, the font's height from
; one line to the next. A character that would pass the right edge of the
; screen starts a new line at the first line's left edge, code 13 does the
; same, and a code below 32 or above the font's last character ends the text.
; Ink is ORed into the screen bitmap; attributes are left alone.
;
; Entry fzx_print (offset 3):
;   HL = text, DE = font (the bytes of an FZX file),
;   B = top of the first line (0..191), C = its left edge (0..255).
; Changes AF, BC, DE and HL only; keeps IX, IY and the alternate registers.
; Interrupts are off while it draws and as they were when it returns.
; Uses no ROM routine. The code changes itself, so it must run from RAM.
;
; Lines break before a character that would pass the right edge; with the
; byte fz_p_wrap (offset 14) set to 1, before a word that would: the word
; starts the next line (one longer than a line still breaks inside), and a
; space that would pass the edge ends the line and is dropped with the
; spaces right after it.
;
; Entry fzx_basic (offset 15) takes the same from a parameter block that
; BASIC can POKE: text address at offset 6 (2 bytes, low byte first), font
; address at 8 (2 bytes), left edge at 10, top at 11. With the routine at
; 32768, a text at 49152 and a font at 36864:
;   10 POKE 32774,0: POKE 32775,192: POKE 32776,0: POKE 32777,144
;   20 POKE 32778,8: POKE 32779,16
;   30 RANDOMIZE USR 32783
;
; Entry fzx_install (offset 30) attaches the routine to BASIC's stream 4
; (another from 4 to 15 by a POKE at offset 33) with the font at offset 8,
; so that BASIC prints in the font; the channel's code is at the end of this
; file. With the routine at 32768 and a font at 36864:
;   10 POKE 32776,0: POKE 32777,144: RANDOMIZE USR 32798
;   20 PRINT #4;AT 16,8;"Hello, ";
;   30 PRINT #4;"world!"'"Score: ";1234
; AT takes a pixel line and column; every line then starts at that column.
; fzx_install calls the ROM's MAKE-ROOM (0x1655) to add its channel record.
;
; Entry fz_start (offset 0) is the start-up used by Quorrel's tapes and
; snapshots: it clears the screen to the colours in its parameters, sets the
; border, prints the text and waits for ever with interrupts on.
;
; Written without ORG: put one in front when including this file. Assembles
; with pasmo and z80asm.

fz_start:
        jp      fz_boot
fzx_print:
        jp      fz_print

; Parameters of the start-up, at offset 6.
fz_p_text:      defw 0          ; text address
fz_p_font:      defw 0          ; font address
fz_p_x:         defb 0          ; left edge of the text
fz_p_y:         defb 0          ; top of the text
fz_p_attr:      defb 0x38       ; screen attribute: paper * 8 + ink
fz_p_border:    defb 7          ; border colour
fz_p_wrap:      defb 0          ; 1: lines break between words

; Entry fzx_basic (offset 15), for RANDOMIZE USR: prints the text at
; fz_p_text in the font at fz_p_font from fz_p_x, fz_p_y and returns.
fzx_basic:
        ld      hl,(fz_p_font)
        ex      de,hl
        ld      hl,(fz_p_x)     ; L = x, H = y
        ld      b,h
        ld      c,l
        ld      hl,(fz_p_text)
        jp      fz_print

; Entry fzx_install (offset 30), for RANDOMIZE USR: attaches the stream in
; fz_p_stream to the channel at the end of this file (see there).
fzx_install:
        jp      fz_install
fz_p_stream:    defb 4          ; stream of the channel, 4 to 15 (offset 33)

fz_boot:
        di
        ld      a,(fz_p_border)
        and     7
        out     (0xFE),a
        ld      hl,0x4000
        ld      de,0x4001
        ld      bc,6143
        ld      (hl),0
        ldir
        inc     hl
        inc     de
        ld      a,(fz_p_attr)
        ld      (hl),a
        ld      bc,767
        ldir
        ld      hl,(fz_p_text)
        ld      de,(fz_p_font)
        ld      a,(fz_p_x)
        ld      c,a
        ld      a,(fz_p_y)
        ld      b,a
        call    fz_print
        ei
fz_wait:
        halt
        jr      fz_wait

; ---------------------------------------------------------------------------
; Interrupts are off while the text is drawn (the wide rows are read through
; SP) and back on at the return if they were on at the call. LD A,I is read
; twice: on an NMOS Z80 an interrupt taken during it shows them as off.
fz_print:
        ld      a,i
        jp      pe,fz_print0
        ld      a,i
fz_print0:
        di
        ld      a,0             ; NOP
        jp      po,fz_print3
        ld      a,0xFB          ; EI
fz_print3:
        ld      (fz_iff),a
        call    fz_draw
fz_iff: nop                     ; becomes EI when they were on
        ret

fz_draw:
        ld      (fz_text),hl
        ld      a,(fz_p_wrap)
        or      a
        ld      a,0x18          ; JR
        jr      z,fz_print1
        ld      a,0x3E          ; LD A,n
fz_print1:
        ld      (fz_wchk),a
        ld      a,c
        ld      (fz_x0),a
        ld      a,b
        cp      192
        ret     nc
        ld      (fz_y),a
        ex      de,hl
        ld      a,(hl)          ; height: a font of no height shows nothing
        or      a
        ret     z
        ld      (fz_height),a
        inc     hl
        ld      a,(hl)
        ld      (fz_track),a
        ld      (fz_trk+1),a
        inc     hl
        ld      a,(hl)
        ld      (fz_last),a
        inc     a               ; codes from last + 1 end the text
        ld      (fz_lstc+1),a
        ld      a,0xD0          ; RET NC
        jr      nz,fz_print2
        xor     a               ; NOP: no code lies beyond 255
fz_print2:
        ld      (fz_lstr),a
        inc     hl
        ld      (fz_table),hl
        ld      de,-96          ; the table seen from code 0: 3 * code added
        add     hl,de
        ld      (fz_tab+1),hl
        ld      a,(fz_goon)     ; the channel goes on from the pen
        or      a
        call    z,fz_home
        jr      fz_next

fz_newline:
        call    fz_feed
        ret     c
fz_next:
        ld      hl,(fz_text)
        ld      a,(hl)
        inc     hl
        ld      (fz_text),hl
        cp      13
        jr      z,fz_newline
        cp      32
        ret     c
        ld      c,a
fz_lstc:
        cp      0
fz_lstr:
        ret     nc
        ; Words: a word after a space that would pass the edge starts a line
fz_wchk:
        jr      fz_code         ; becomes LD A,n (no jump) for words
        ld      a,(fz_any)
        or      a
        jr      z,fz_wprev
        ld      a,c
        cp      32
        jr      z,fz_wprev
        ld      a,(fz_prev)
        cp      32
        jr      nz,fz_wprev
        push    bc
        call    fz_word
        pop     bc
        jr      nc,fz_wprev
        call    fz_feed
        ret     c
fz_wprev:
        ld      a,c
        ld      (fz_prev),a
fz_code:
        ; HL = table entry of the code: table + 3 * (code - 32)
        ld      l,c
        ld      h,0
        ld      e,l
        ld      d,h
        add     hl,hl
        add     hl,de
fz_tab: ld      de,0
        add     hl,de
        ld      e,l             ; DE = the entry
        ld      d,h
        ld      c,(hl)          ; offset word: BC = offset, kern in the top bits
        inc     hl
        ld      a,(hl)
        inc     hl
        ld      b,a
        rlca
        rlca
        and     3
        ld      (fz_kern),a
        ld      a,b
        and     0x3F
        ld      b,a
        ld      a,(hl)          ; leading and width - 1
        ld      (fz_info),a
        inc     hl              ; the next entry
        ex      de,hl           ; definition: entry + offset
        add     hl,bc
        ld      (fz_data),hl
        ex      de,hl
        ld      c,(hl)          ; next definition: next entry + its offset
        inc     hl
        ld      a,(hl)
        and     0x3F
        ld      b,a
        dec     hl
        add     hl,bc
        or      a
        sbc     hl,de           ; HL = length of the definition
        ld      a,(fz_info)
        and     15
        inc     a
        ld      (fz_width),a
        cp      9
        jr      c,fz_rows
        srl     h               ; two bytes a row
        rr      l
fz_rows:
        ld      a,h             ; rows, at most 255 (the body holds fewer)
        or      a
        jr      z,fz_rows1
        ld      l,255
fz_rows1:
        ld      a,(fz_info)     ; leading
        rrca
        rrca
        rrca
        rrca
        and     15
        ld      (fz_lead),a
        ld      c,a
        ld      a,(fz_height)   ; rows below the body are not shown
        sub     c
        jr      nc,fz_rows2
        xor     a
fz_rows2:
        cp      l
        jr      c,fz_rows3
        ld      a,l
fz_rows3:
        ld      (fz_count),a

fz_place:
        ; gx = max(x - kern, x0): the left edge of the character's pixels;
        ; kern never takes it left of the line's start (x >= x0 always)
        ld      hl,(fz_x)
        ld      a,(fz_kern)
        or      a
        jr      z,fz_place0
        ld      e,a
        ld      d,0
        sbc     hl,de           ; carry clear from the OR
        ld      a,(fz_x0)
        ld      e,a
        push    hl
        or      a
        sbc     hl,de
        pop     hl
        jp      p,fz_place0
        ex      de,hl
fz_place0:
        ld      (fz_gx),hl
        ; does it pass the right edge, gx + width > 256?
        ld      a,h
        or      a
        jr      z,fz_place1
        bit     7,h
        jr      z,fz_passes     ; it starts right of the screen
        jr      fz_vert         ; it starts left of it
fz_place1:
        ld      a,(fz_width)
        dec     a
        add     a,l
        jr      nc,fz_within
fz_passes:
        ld      a,(fz_any)      ; a line's first character never wraps
        or      a
        jr      z,fz_vert
        call    fz_feed
        ret     c
        ld      a,(fz_p_wrap)   ; words: a space there ends the line, dropped
        or      a
        jr      z,fz_place
        ld      a,(fz_prev)
        cp      32
        jr      nz,fz_place
        ld      hl,(fz_text)    ; with the spaces right after it
fz_skip:
        ld      a,(hl)
        cp      32
        jr      nz,fz_skipped
        inc     hl
        jr      fz_skip
fz_skipped:
        ld      (fz_text),hl
        jp      fz_next

; The character lies within the screen's columns (HL = gx).
fz_within:
        ; rows on the screen: at most 192 - (y + leading)
        ld      a,(fz_lead)
        ld      b,a
        ld      a,(fz_y)
        add     a,b
        ld      (fz_top),a
        ld      b,a
        ld      a,192
        sub     b
        jr      nc,fz_wv1
        xor     a
fz_wv1:
        ld      b,a
        ld      a,(fz_count)
        cp      b
        jr      c,fz_wv2
        ld      a,b
fz_wv2:
        or      a
        jp      z,fz_advance
        ld      (fz_count),a
        jp      fz_fast

fz_vert:
        ; rows on the screen: at most 192 - (y + leading)
        ld      a,(fz_lead)
        ld      b,a
        ld      a,(fz_y)
        add     a,b
        ld      (fz_top),a
        ld      b,a
        ld      a,192
        sub     b
        jr      nc,fz_vert1
        xor     a
fz_vert1:
        ld      b,a
        ld      a,(fz_count)
        cp      b
        jr      c,fz_vert2
        ld      a,b
fz_vert2:
        or      a
        jp      z,fz_advance
        ld      (fz_count),a
        ; columns: the fast paths draw characters wholly on the screen
        ld      hl,(fz_gx)
        ld      a,h
        or      a
        jr      nz,fz_edge
        ld      a,(fz_width)
        dec     a
        add     a,l
        jp      nc,fz_fast
        jp      fz_slow
fz_edge:
        bit     7,h
        jr      z,fz_advance    ; starts right of the screen
        ld      a,(fz_width)    ; left of it: shows when gx + width > 0
        ld      e,a
        ld      d,0
        add     hl,de
        bit     7,h
        jr      nz,fz_advance
        ld      a,h
        or      l
        jr      z,fz_advance
        jp      fz_slow

fz_advance:
        ; x = gx + width + tracking
        ld      a,1
        ld      (fz_any),a
        ld      hl,(fz_gx)
        ld      a,(fz_width)
        ld      e,a
        ld      d,0
        add     hl,de
fz_trk: ld      e,0             ; the font's tracking
        add     hl,de
        ld      (fz_x),hl
        jp      fz_next

; New line: y grows by the height and x returns to the left edge. Carry set
; when the new line would start at or below the bottom of the screen, and
; then y is 255.
fz_feed:
        ld      a,(fz_height)
        ld      b,a
        ld      a,(fz_y)
        add     a,b
        jr      c,fz_below
        cp      192
        jr      nc,fz_below
        ld      (fz_y),a
fz_home:
        ld      a,(fz_x0)
        ld      l,a
        ld      h,0
        ld      (fz_x),hl
        xor     a               ; also clears carry
        ld      (fz_any),a
        ret
fz_below:                       ; the channel shows nothing more until AT
        ld      a,255
        ld      (fz_y),a
        scf
        ret

; Carry set when the word from the character just read would pass the
; right edge, set from the pen on: each character's left column at
; max(pen - kern, x0), the pen then at its end plus the tracking.
fz_word:
        ld      hl,(fz_text)
        dec     hl
        ld      bc,(fz_x)
fz_wchar:
        ld      a,(hl)
        inc     hl
        cp      33              ; a space, 13 or the end: the word fits
        jr      c,fz_wfits
        ld      e,a
        ld      a,(fz_last)
        cp      e
        jr      c,fz_wfits      ; a code the font lacks ends the text
        push    hl
        ld      a,e
        sub     32
        ld      l,a
        ld      h,0
        ld      e,l
        ld      d,h
        add     hl,hl
        add     hl,de
        ld      de,(fz_table)
        add     hl,de
        inc     hl
        ld      a,(hl)          ; kern in the top two bits
        rlca
        rlca
        and     3
        ld      e,a
        inc     hl
        ld      a,(hl)
        and     15
        inc     a
        ld      d,a             ; D = width, E = kern
        ld      a,c             ; BC = pen - kern
        sub     e
        ld      c,a
        jr      nc,fz_wk
        dec     b
fz_wk:
        ld      a,(fz_x0)       ; not left of x0
        ld      l,a
        ld      a,c
        sub     l
        ld      a,b
        sbc     a,0
        jp      p,fz_wclamp
        ld      c,l
        ld      b,0
fz_wclamp:
        ld      a,b             ; passes when left + width > 256
        or      a
        jr      nz,fz_wpass
        ld      a,d
        dec     a
        add     a,c
        jr      c,fz_wpass
        ld      a,c             ; pen = left + width + tracking
        add     a,d
        ld      c,a
        jr      nc,fz_wt
        inc     b
fz_wt:
        ld      a,(fz_track)
        add     a,c
        ld      c,a
        jr      nc,fz_wn
        inc     b
fz_wn:
        pop     hl
        jr      fz_wchar
fz_wpass:
        pop     hl
        scf
        ret
fz_wfits:
        or      a
        ret

; A = n (0..16) -> A = a byte with its min(n, 8) leftmost bits set, HL =
; its place in fz_bits1; 17 bytes further on, the byte with max(n - 8, 0).
fz_bits:
        ld      e,a
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)
        ret

; A = y (0..191), C = column (0..31) -> HL = screen address of that byte.
fz_rowaddr:
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        ret

; HL = screen address of the current character's first row and byte.
fz_screen:
        ld      a,(fz_gx)
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        jr      fz_rowaddr

; ---------------------------------------------------------------------------
; Fast paths: the character lies wholly within the screen's columns. Each row
; is rotated right by s = gx mod 8 and split between neighbouring bytes by
; masks patched into the code; a byte beyond the character gets no ink.
fz_fast:
        ; M: the bits of a byte that stay in it after the shift s
        ld      a,l
        and     7
        jp      z,fz_aligned
        ld      b,a             ; B = s
        ld      e,a             ; A = the byte of fz_bits1 at A
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)
        cpl
        ld      c,a             ; C = M
        ld      a,(fz_width)
        cp      9
        jp      nc,fz_fastwide
        ; a row's pixels after the shift: s..s+w-1 of two bytes
        add     a,b
        ld      e,a             ; A = the byte of fz_bits1 at A
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)
        and     c
        ld      (fz_nm0+1),a
        ld      (fz_1m+1),a
        ld      (fz_1qm+1),a
        ld      de,17
        add     hl,de
        ld      a,b             ; jump displacement 7 - s skips 7 - s RRCAs
        cpl
        add     a,8
        ld      b,(hl)
        inc     b
        dec     b
        jr      z,fz_one        ; the shifted row fits in one byte
        ld      (fz_nj+1),a
        ld      a,b
        ld      (fz_nm1+1),a
        ld      a,(fz_gx)       ; HL = screen address of the first row
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a

        ld      de,(fz_data)
        ld      a,(fz_count)
        ld      b,a
fz_nrow:
        ld      a,(de)
        inc     de
fz_nj:  jr      fz_nrot
fz_nrot:
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        ld      c,a
fz_nm0: and     0xFF
        or      (hl)
        ld      (hl),a
        inc     l
        ld      a,c
fz_nm1: and     0
        or      (hl)
        ld      (hl),a
        dec     l
        inc     h               ; one pixel row down
        ld      a,h
        and     7
        jr      z,fz_nfix
fz_nnext:
        djnz    fz_nrow
        jp      fz_advance
fz_nfix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_nnext
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_nnext

; A row that fits in one screen byte after the shift.
fz_one:
        ld      (fz_1j+1),a
        ld      (fz_1qj+1),a
        ld      a,(fz_gx)       ; HL = screen address of the first row
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        ld      de,(fz_data)
        ld      a,h             ; all rows within one cell row?
        and     7
        ld      b,a
        ld      a,(fz_count)
        add     a,b
        cp      9
        ld      a,(fz_count)
        ld      b,a
        jr      c,fz_1q
fz_1row:
        ld      a,(de)
        inc     de
fz_1j:  jr      fz_1rot
fz_1rot:
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
fz_1m:  and     0xFF
        or      (hl)
        ld      (hl),a
        inc     h               ; one pixel row down
        ld      a,h
        and     7
        jr      z,fz_1fix
fz_1next:
        djnz    fz_1row
        jp      fz_advance
fz_1fix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_1next
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_1next
fz_1q:
        ld      a,(de)
        inc     de
fz_1qj: jr      fz_1qrot
fz_1qrot:
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
fz_1qm: and     0xFF
        or      (hl)
        ld      (hl),a
        inc     h
        djnz    fz_1q
        jp      fz_advance

; Byte-aligned (s = 0): a narrow character's rows go straight to the screen.
fz_aligned:
        ld      a,(fz_width)
        cp      9
        jr      c,fz_aligned1
        ld      bc,0x00FF       ; s = 0, M = all bits
        jr      fz_fastwide
fz_aligned1:
        ld      e,a
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)          ; the bits within the width
        ld      (fz_am+1),a
        ld      (fz_aqm+1),a
        ld      a,(fz_gx)       ; HL = screen address of the first row
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        ld      de,(fz_data)
        ld      a,h             ; all rows within one cell row?
        and     7
        ld      b,a
        ld      a,(fz_count)
        add     a,b
        cp      9
        ld      a,(fz_count)
        ld      b,a
        jr      c,fz_aq
fz_arow:
        ld      a,(de)
        inc     de
fz_am:  and     0xFF
        or      (hl)
        ld      (hl),a
        inc     h
        ld      a,h
        and     7
        jr      z,fz_afix
fz_anext:
        djnz    fz_arow
        jp      fz_advance
fz_afix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_anext
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_anext
fz_aq:
        ld      a,(de)
        inc     de
fz_aqm: and     0xFF
        or      (hl)
        ld      (hl),a
        inc     h
        djnz    fz_aq
        jp      fz_advance

fz_fastwide:
        ld      a,(fz_width)    ; a third screen byte when s + width > 16
        add     a,b
        cp      17
        jp      c,fz_two
        ; Three screen bytes a row. The second data byte is cut to the width
        ; before its shift, so the middle screen byte takes the first byte's
        ; spill and the second byte's kept bits in one write.
        sub     b
        sub     8
        ld      e,a
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)
        ld      (fz_3w+1),a
        ld      a,c
        ld      (fz_3m0+1),a
        ld      (fz_3m1+1),a
        cpl
        ld      (fz_3n+1),a
        ; Interrupts are off here (see fz_print): SP reads the tables and
        ; the rows, two bytes in one step, and DE stays free for them.
        ld      (fz_3sp+1),sp
        ld      a,b             ; the shift as at most four rotations
        add     a,a
        add     a,a
        ld      l,a
        ld      h,0
        ld      de,fz_rots-4
        add     hl,de
        ld      sp,hl
        pop     hl
        pop     de
        ld      (fz_3r0),hl
        ld      (fz_3r0+2),de
        ld      (fz_3r1),hl
        ld      (fz_3r1+2),de
        ld      a,(fz_gx)       ; HL = screen address of the first row
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        ld      a,(fz_count)
        ld      b,a
        ld      sp,(fz_data)
fz_3row:
        pop     de              ; E = left byte, D = right byte
        ld      a,e
fz_3r0: nop
        nop
        nop
        nop
        ld      c,a
fz_3m0: and     0xFF
        or      (hl)
        ld      (hl),a
        inc     l
        ld      a,d
fz_3w:  and     0xFF
fz_3r1: nop
        nop
        nop
        nop
        ld      d,a
        xor     c               ; the kept bits of the second, the spill of the first
fz_3m1: and     0xFF
        xor     c
        or      (hl)
        ld      (hl),a
        inc     l
        ld      a,d
fz_3n:  and     0
        or      (hl)
        ld      (hl),a
        dec     l
        dec     l
        inc     h
        ld      a,h
        and     7
        jr      z,fz_3fix
fz_3next:
        djnz    fz_3row
fz_3sp: ld      sp,0
        jp      fz_advance
fz_3fix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_3next
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_3next

; A wide character whose shifted rows fit in two screen bytes (A = s +
; width): the second byte's pixels join the first's right part in one write.
fz_two:
        sub     8
        ld      e,a             ; A = the byte of fz_bits1 at A
        ld      d,0
        ld      hl,fz_bits1
        add     hl,de
        ld      a,(hl)
        and     c
        ld      (fz_2m1+1),a
        ld      a,c
        ld      (fz_2m0+1),a
        cpl
        ld      (fz_2n0+1),a
        ld      a,b
        cpl
        add     a,8
        ld      (fz_2j0+1),a
        ld      (fz_2j1+1),a
        ld      a,(fz_gx)       ; HL = screen address of the first row
        rrca
        rrca
        rrca
        and     31
        ld      c,a
        ld      a,(fz_top)
        ld      l,a
        and     7
        or      0x40
        ld      h,a
        ld      a,l
        rra
        rra
        rra
        and     0x18
        or      h
        ld      h,a
        ld      a,l
        rla
        rla
        and     0xE0
        or      c
        ld      l,a
        ld      de,(fz_data)
        ld      a,(fz_count)
        ld      b,a
fz_2row:
        ld      a,(de)
        inc     de
fz_2j0: jr      fz_2rot0
fz_2rot0:
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        ld      c,a
fz_2m0: and     0xFF
        or      (hl)
        ld      (hl),a
        inc     l
        ld      a,c
fz_2n0: and     0
        ld      c,a
        ld      a,(de)
        inc     de
fz_2j1: jr      fz_2rot1
fz_2rot1:
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
        rrca
fz_2m1: and     0xFF
        or      c
        or      (hl)
        ld      (hl),a
        dec     l
        inc     h
        ld      a,h
        and     7
        jr      z,fz_2fix
fz_2next:
        djnz    fz_2row
        jp      fz_advance
fz_2fix:
        ld      a,l
        add     a,32
        ld      l,a
        jr      c,fz_2next
        ld      a,h
        sub     8
        ld      h,a
        jr      fz_2next

; ---------------------------------------------------------------------------
; Slow path: a character cut by the left or right edge of the screen. Each
; row becomes three bytes shifted right by s; only the bytes whose column
; lies on the screen are drawn.
fz_slow:
        ld      a,(fz_width)    ; pixels within the width, per byte of a row
        call    fz_bits
        ld      (fz_wm0),a
        ld      de,17
        add     hl,de
        ld      a,(hl)
        ld      (fz_wm1),a
        ld      hl,(fz_gx)
        ld      a,l
        and     7
        ld      (fz_shift),a
        sra     h               ; column of the first byte, -2..32
        rr      l
        sra     h
        rr      l
        sra     h
        rr      l
        ld      a,l
        ld      (fz_col),a
        ld      a,(fz_top)
        ld      (fz_row),a
        ld      de,(fz_data)
        ld      a,(fz_count)
        ld      b,a
fz_srow:
        push    bc
        ld      a,(fz_wm0)
        ld      h,a
        ld      a,(de)
        inc     de
        and     h
        ld      h,a
        ld      l,0
        ld      c,0
        ld      a,(fz_width)
        cp      9
        jr      c,fz_srow1
        ld      a,(fz_wm1)
        ld      l,a
        ld      a,(de)
        inc     de
        and     l
        ld      l,a
fz_srow1:
        ld      a,(fz_shift)
        or      a
        jr      z,fz_srow3
        ld      b,a
fz_srow2:
        srl     h
        rr      l
        rr      c
        djnz    fz_srow2
fz_srow3:
        ld      a,h
        ld      (fz_bytes),a
        ld      a,l
        ld      (fz_bytes+1),a
        ld      a,c
        ld      (fz_bytes+2),a
        push    de
        ld      c,0
        ld      a,(fz_row)
        call    fz_rowaddr
        ld      de,fz_bytes
        ld      a,(fz_col)
        ld      c,a
        ld      b,3
fz_sbyte:
        ld      a,c
        cp      32
        jr      nc,fz_sbyte1    ; off the screen
        push    hl
        or      l
        ld      l,a
        ld      a,(de)
        or      (hl)
        ld      (hl),a
        pop     hl
fz_sbyte1:
        inc     de
        inc     c
        djnz    fz_sbyte
        pop     de
        ld      hl,fz_row
        inc     (hl)
        pop     bc
        djnz    fz_srow
        jp      fz_advance

; ---------------------------------------------------------------------------
fz_bits1:       defb 0x00, 0x80, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC, 0xFE, 0xFF
                defb 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF
fz_bits2:       defb 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00
                defb 0x80, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC, 0xFE, 0xFF

; A right shift by s = 1..7 as rotations: RRCA s times or RLCA 8 - s times,
; NOPs after them.
fz_rots:        defb 0x0F, 0x00, 0x00, 0x00, 0x0F, 0x0F, 0x00, 0x00
                defb 0x0F, 0x0F, 0x0F, 0x00, 0x0F, 0x0F, 0x0F, 0x0F
                defb 0x07, 0x07, 0x07, 0x00, 0x07, 0x07, 0x00, 0x00
                defb 0x07, 0x00, 0x00, 0x00

fz_text:        defw 0          ; next character of the text
fz_table:       defw 0          ; the font's character table
fz_x:           defw 0          ; pen position
fz_gx:          defw 0          ; left edge of the current character
fz_data:        defw 0          ; its definition
fz_x0:          defb 0          ; left edge of every line
fz_y:           defb 0          ; top of the current line
fz_any:         defb 0          ; nonzero once the line holds a character
fz_height:      defb 0
fz_track:       defb 0
fz_last:        defb 0
fz_kern:        defb 0
fz_info:        defb 0
fz_width:       defb 0
fz_lead:        defb 0
fz_count:       defb 0          ; rows to draw
fz_top:         defb 0          ; screen row of the first of them
fz_shift:       defb 0
fz_wm0:         defb 0          ; pixels within the width, first byte
fz_wm1:         defb 0          ; and second byte
fz_col:         defb 0
fz_row:         defb 0
fz_bytes:       defb 0, 0, 0
fz_prev:        defb 0          ; code of the character before

; ---------------------------------------------------------------------------
; The stream channel. fzx_install takes the font at fz_p_font and the first
; line's left edge and top at fz_p_x and fz_p_y, and attaches the stream in
; fz_p_stream to a channel record whose output is fz_chout. The record goes
; where BASIC keeps its channels, at their end, made room for with the ROM's
; MAKE-ROOM: there the ROM moves it, and CURCHL with it, whenever the memory
; below shifts, which it would not do for a record kept here. Installing
; again (another font, say) reuses the record.
;
; Then PRINT #4 sets text in the font: CHR$ 13 starts a new line, AT y,x
; (CHR$ 22, line and column in pixels) starts one there, and every
; following line starts at that column too; the pen stays where the last
; character left it, so the next PRINT goes on from there. Lines break
; between characters; a line that would start below the screen shows
; nothing until the next AT. INK, PAPER, FLASH, BRIGHT, INVERSE, OVER and
; TAB are read and ignored, as are other control codes and codes the font
; lacks. INPUT #4 reports "J Invalid I/O device".
fz_install:
        ld      hl,(fz_p_font)
        ld      (fz_cfont),hl
        ld      hl,(fz_p_x)     ; L = left edge, H = top
        ld      (fz_cleft),hl
        ld      a,1
        ld      (fz_chome),a
        xor     a
        ld      (fz_cwant),a
        ld      a,(fz_p_stream)
        and     15
        add     a,a
        ld      l,a
        ld      h,0
        ld      de,23574        ; STRMS: the word of stream 0
        add     hl,de
        push    hl
        ld      e,(hl)          ; DE = the stream's offset, 0 when closed
        inc     hl
        ld      d,(hl)
        ld      hl,(23631)      ; CHANS
        add     hl,de
        dec     hl              ; the record it points at
        ld      a,d
        or      e
        jr      z,fz_inew
        ld      e,(hl)
        inc     hl
        ld      d,(hl)
        dec     hl
        push    hl
        ld      hl,fz_chout
        or      a
        sbc     hl,de
        pop     hl
        jr      z,fz_iset       ; the record is ours already
fz_inew:
        ld      hl,(23635)      ; PROG: the 0x80 that ends the channels is before it
        dec     hl
        ld      bc,5
        call    0x1655          ; MAKE-ROOM: 5 bytes from HL + 1 on return
        inc     hl
        push    hl
        ex      de,hl
        ld      hl,fz_chan
        ld      bc,5
        ldir
        pop     hl
fz_iset:
        ld      de,(23631)      ; the stream holds the record's distance from CHANS + 1
        or      a
        sbc     hl,de
        inc     hl
        ex      de,hl
        pop     hl
        ld      (hl),e
        inc     hl
        ld      (hl),d
        ret

fz_chan:        defw fz_chout   ; the record: output, input, name
                defw fz_chin
                defb 'F'

fz_chin:
        rst     8
        defb    0x12            ; J Invalid I/O device, as the printer

; Output: A = the code PRINT sends. Keeps every register but AF.
fz_chout:
        push    bc
        push    de
        push    hl
        call    fz_cput
        pop     hl
        pop     de
        pop     bc
        ret

fz_cput:
        ld      c,a
        ld      hl,fz_cwant     ; parameter bytes still to come
        ld      a,(hl)
        or      a
        jr      nz,fz_cparam
        ld      a,c
        cp      32
        jr      nc,fz_cchar
        cp      13
        jr      z,fz_cchar
        sub     16              ; INK to OVER (16..21) take one byte, AT and TAB two
        ret     c
        cp      8
        ret     nc
        ld      (fz_ckind),a
        ld      (hl),1
        cp      6
        ret     c
        ld      (hl),2
        ret
fz_cparam:
        dec     (hl)
        ld      a,(fz_ckind)
        cp      6               ; only AT's line and column are kept
        ret     nz
        ld      a,(hl)
        or      a
        ld      a,c
        jr      z,fz_ccol
        ld      (fz_ctop),a
        ret
fz_ccol:
        ld      (fz_cleft),a
        ld      a,1
        ld      (fz_chome),a
        ret

; A character or 13: printed by fz_print as a text of its own, going on
; from the pen (fz_goon) unless a line starts at the last AT.
fz_cchar:
        ld      l,c
        ld      h,0
        ld      (fz_cbuf),hl    ; the code and a 0 that ends the text
        ld      hl,fz_chome
        ld      a,(hl)
        or      a
        jr      z,fz_cpen
        ld      a,(fz_ctop)
        cp      192
        ret     nc              ; below the screen: nothing shows
        ld      b,a
        ld      (hl),0
        ld      a,(fz_cleft)
        ld      c,a
        xor     a
        jr      fz_cdraw
fz_cpen:
        ld      a,(fz_y)        ; the line the last character was set on
        ld      b,a
        ld      a,(fz_x0)
        ld      c,a
        ld      a,1
fz_cdraw:
        ld      (fz_goon),a
        ld      a,(fz_p_wrap)   ; one character has no word to look ahead at
        push    af
        xor     a
        ld      (fz_p_wrap),a
        ld      hl,fz_cbuf
        ld      de,(fz_cfont)
        call    fz_print
        pop     af
        ld      (fz_p_wrap),a
        xor     a
        ld      (fz_goon),a
        ret

fz_goon:        defb 0          ; 1: fz_print goes on from the pen
fz_cfont:       defw 0          ; the channel's font
fz_cleft:       defb 0          ; left edge of its lines: the last AT's column
fz_ctop:        defb 0          ; top of the line after AT
fz_chome:       defb 0          ; 1: the next character starts a line there
fz_cwant:       defb 0          ; parameter bytes still to come
fz_ckind:       defb 0          ; of the control code: its code - 16
fz_cbuf:        defb 0, 0       ; the character and the 0 that ends it
